#include "app/cli/HeadlessCommand.h"

#include "app/cli/HeadlessTestRun.h"
#include "app/cli/ReadingsReport.h"
#include "app/cli/StreamMessageBoxes.h"
#include "autotest/TestStatistics.h"
#include "core/NumberText.h"
#include "core/SimulatedBenchUse.h"
#include "reduction/ReductionText.h"
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

void printResults(const HeadlessTestRun& run, qint64 wallMs, QTextStream& out) {
    out << readingsReport(run.mirror(), run.zones(), run.readings(), run.sets(),
                          run.PerfectFactor());
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
    out << '\n' << "Wall time: " << numberText(roundHalfEven(wallMs / 1000.0, 2)) << " s\n";
    out << simulatedBenchReportLine(run.simulatedBench()) << '\n';
}

} // namespace

int runHeadlessCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
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
    const bool done = run.run();
    printResults(run, wall.elapsed(), out);
    out.flush();
    err.flush();
    return done ? ExitCompleted : ExitFailed;
}

} // namespace orvane
