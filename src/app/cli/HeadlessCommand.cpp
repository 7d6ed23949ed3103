#include "app/cli/HeadlessCommand.h"

#include "app/cli/HeadlessTestRun.h"
#include "app/cli/ReadingsReport.h"
#include "app/cli/StreamMessageBoxes.h"
#include "autotest/RepeatSchedule.h"
#include "autotest/TestStatistics.h"
#include "core/NumberText.h"
#include "core/SimulatedBenchUse.h"
#include "reduction/ReductionText.h"
#include "reduction/RepeatSeries.h"
#include "reduction/TestReadings.h"
#include "results/DataPaths.h"

#include <QElapsedTimer>
#include <QLoggingCategory>

namespace orvane {

namespace {

QString circleLine(const HeadlessTestRun& run) {
    const MirrorCircle& c = run.circle();
    QString line =
        QStringLiteral("Mirror circle: centre %1,%2, radius %3 px").arg(c.x).arg(c.y).arg(c.radius);
    if (run.circleSource() == CircleSource::AutoCentre)
        line += QStringLiteral(", by auto centre-size (knife backed out %1 half-steps and back)")
                    .arg(run.knifeClearanceSteps());
    return line;
}

QString headerLine(const HeadlessTestRun& run) {
    const MirrorData& m = run.mirror();
    const QString units = run.settings().units();
    return QStringLiteral("Mirror %1: diameter %2%3, ROC %4%3, conic %5, %6 zones, %7 source, "
                          "knife %8; %9 set(s)")
        .arg(m.WorkFile, numberText(m.MirDiam), units, numberText(m.Roc), numberText(m.CC),
             numberText(m.NZ),
             run.settings().menus.fixedSource ? QStringLiteral("fixed") : QStringLiteral("moving"),
             run.settings().KnifeRight ? QStringLiteral("right") : QStringLiteral("left"),
             numberText(run.sets()));
}

// The mirror's verdict from the readings just taken, or why they cannot give one.
void printVerdict(const HeadlessTestRun& run, QTextStream& out) {
    const ReadingsInput input =
        testReadings(run.mirror(), run.zones(), run.readings(), run.sets(),
                     run.settings().menus.fixedSource, run.settings().Metric);
    if (const QString refusal = refusalOf(input); !refusal.isEmpty()) {
        out << "No verdict: " << refusal << '\n';
        return;
    }
    for (const QString& line : verdictLines(reduceReadings(input)))
        out << line << '\n';
}

double minutesSince(qint64 startNs, const HeadlessTestRun& run) {
    constexpr double NsPerMinute = 60e9;
    return double(run.nowNs() - startNs) / NsPerMinute;
}

// The repeated tests' readings and conics against time, printed and drawn beside the reports.
void printSeries(const HeadlessTestRun& run, const std::vector<RepeatedTest>& series,
                 const RepeatPlotSaver& savePlot, QTextStream& out, QTextStream& err) {
    out << "Series of " << series.size() << " tests (minutes from the first start; each zone's "
        << "mean reading; best-fit conic):\n"
        << repeatSeriesText(series);
    if (!savePlot || series.empty())
        return;
    const Settings& s = run.settings();
    const QString path = dataFile(s.textpath, run.mirror().WorkFile, TextDataFolder,
                                  QStringLiteral("series%1-%2.png")
                                      .arg(series.front().testNumber)
                                      .arg(series.back().testNumber));
    if (QString error;
        savePlot(series, s.Metric ? QStringLiteral("mm") : QStringLiteral("in"), path, error))
        out << "Plot: " << path << '\n';
    else
        err << error << '\n';
}

void printResults(const HeadlessTestRun& run, qint64 wallMs, QTextStream& out) {
    out << readingsReport(run.mirror(), run.zones(), run.readings(), run.sets(),
                          run.PerfectFactor());
    if (run.outputs().precision)
        out << "Precision readings" << (run.settings().Metric ? " (mm)" : " (in)")
            << " with their standard errors:\n"
            << precisionReport(run.mirror(), run.readings(), run.outputs().readingErrors,
                               run.sets(), run.settings().Metric);
    if (run.sets() > 1 && run.testCompleted()) {
        const double deviation =
            testStandardDeviation(run.readings(), run.mirror().NZ, run.sets() - 1);
        out << "Standard deviation: " << numberText(roundHalfEven(deviation, 5))
            << run.settings().units() << '\n';
    }
    if (run.testCompleted())
        printVerdict(run, out);
    out << run.outputs().MotorStatus << '\n';
    if (run.dataSaved()) {
        const int test = run.mirror().WorkNum - 1;
        out << "Saved as test " << test << " of " << run.mirror().WorkFile;
        if (run.settings().Savetext)
            out << ": "
                << dataFile(run.settings().textpath, run.mirror().WorkFile,
                            QStringLiteral("TextData"), QStringLiteral("test%1.txt").arg(test));
        out << '\n';
    } else if (run.testCompleted()) {
        out << "The data were not saved; the test number of " << run.mirror().WorkFile << " stays "
            << run.mirror().WorkNum << ".\n";
        for (const WriterOutcome& file :
             run.saveResult() ? run.saveResult()->files : QList<WriterOutcome>())
            out << (file.ok() ? "Saved " + file.path : "Not saved: " + file.problem) << '\n';
    }
    const int zonesSearched = int(run.framesPerZone().size());
    out << "Frames: " << run.framesMeasured() << " measured";
    if (zonesSearched > 0)
        out << ", " << numberText(roundHalfEven(double(run.framesMeasured()) / zonesSearched, 1))
            << " per zone on average over " << zonesSearched << " zone searches";
    out << '\n';
    out << "Wall time: " << numberText(roundHalfEven(wallMs / 1000.0, 2)) << " s\n";
    out << "Test time: " << numberText(roundHalfEven(run.virtualSeconds(), 1))
        << " s of camera frames (at 30 a second) and motor waits\n";
    out << simulatedBenchReportLine(run.simulatedBench()) << '\n';
}

} // namespace

int runHeadlessCommand(const QStringList& arguments, QTextStream& out, QTextStream& err,
                       const RepeatPlotSaver& savePlot) {
    const ParsedCommandLine parsed = parseHeadlessCommandLine(arguments);
    if (parsed.help) {
        out << headlessUsage();
        out.flush();
        return ExitCompleted;
    }
    if (!parsed.options) {
        err << parsed.error << '\n' << headlessUsage();
        err.flush();
        return ExitBadUsage;
    }
    if (parsed.options->verbose)
        QLoggingCategory::setFilterRules(QStringLiteral("orvane.*.debug=true"));
    QElapsedTimer wall;
    wall.start();
    StreamMessageBoxes messages(err);
    HeadlessTestRun run(*parsed.options, messages);
    if (!run.prepare())
        return ExitFailed;
    out << headerLine(run) << '\n' << circleLine(run) << '\n';
    out.flush();
    const HeadlessOptions& options = *parsed.options;
    std::vector<RepeatedTest> series;
    const qint64 firstStartNs = run.nowNs();
    RepeatSchedule schedule({options.everyMinutes, options.repeat}, firstStartNs);
    for (;;) {
        const double startMinutes = minutesSince(firstStartNs, run);
        if (options.repeat > 1)
            out << "Run " << schedule.started() << " of " << options.repeat << " at "
                << numberText(roundHalfEven(startMinutes, 1)) << " min\n";
        const bool done = run.run();
        printResults(run, wall.elapsed(), out);
        out.flush();
        if (!done)
            break;
        series.push_back(
            repeatedTest(run.mirror().WorkNum - 1, startMinutes,
                         testReadings(run.mirror(), run.zones(), run.readings(), run.sets(),
                                      run.settings().menus.fixedSource, run.settings().Metric)));
        const std::optional<qint64> next = schedule.next(run.nowNs());
        if (!next)
            break;
        run.waitUntilNs(*next);
    }
    if (options.repeat > 1)
        printSeries(run, series, savePlot, out, err);
    out.flush();
    err.flush();
    return int(series.size()) == options.repeat ? ExitCompleted : ExitFailed;
}

} // namespace orvane
