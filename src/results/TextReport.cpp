#include "results/TextReport.h"

#include "core/NumberText.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "results/DataPaths.h"

#include <algorithm>

namespace orvane {

namespace {

QString headerLine(const Settings& settings, const MirrorData& mirror) {
    return QStringLiteral("Mirror Diameter = ") + numberText(mirror.MirDiam) +
           QStringLiteral(" ROC = ") + numberText(mirror.Roc) +
           QStringLiteral(" Conic Constant = ") + numberText(mirror.CC) +
           (settings.Metric ? QStringLiteral(" Units are in Millimeters")
                            : QStringLiteral(" Units are in Inches")) +
           QLatin1Char(' ') +
           (settings.menus.fixedSource ? QStringLiteral("Fixed Source Tester")
                                       : QStringLiteral("Moving Source Tester"));
}

QString zoneLine(int zone, int sets, const MirrorData& mirror, const ZoneTable& zones,
                 const ZoneReadings& readings) {
    const double radius = roundHalfEven(mirror.MirDiam / 2 * zones.centerFrac[zone], 4);
    QString line = QStringLiteral(" Zone ") + numberText(zone) + QStringLiteral(" radius = ") +
                   numberText(radius) + QLatin1Char('\t');
    line += sets == 1 ? QStringLiteral(" Reading = ") : QStringLiteral(" Readings = ");
    line += numberText(readings.at(zone, 0));
    for (int set = 1; set < sets; ++set)
        line += QStringLiteral(" \t") + numberText(readings.at(zone, set));
    return line;
}
} // namespace

QString textReportText(const Settings& settings, const MirrorData& mirror, const ZoneTable& zones,
                       const ZoneReadings& readings) {
    QStringList lines{headerLine(settings, mirror)};
    // A set count the result table cannot hold writes no zone lines.
    if (settings.Reps >= 0 && settings.Reps < MaxSets) {
        for (int zone = 1; zone <= std::min(mirror.NZ, MaxZones); ++zone)
            lines << zoneLine(zone, settings.Reps + 1, mirror, zones, readings);
    }
    lines << QString();
    return crlfJoin(lines);
}

namespace {
// The report's own layout stays as it is; a test on the simulated bench gets one line below it.
QString reportFileText(const ResultsContext& context) {
    QString text =
        textReportText(context.settings, context.mirror, context.zones, context.readings);
    if (context.simulatedBench.active())
        text += simulatedBenchReportLine(context.simulatedBench) + CrLf;
    return text;
}
} // namespace

QString textReportPath(const QString& textpath, const QString& mirror, int test) {
    return dataFile(textpath, mirror, TextDataFolder,
                    QStringLiteral("test") + numberText(test) + ".txt");
}

WriterOutcome writeTextReport(const ResultsContext& context) {
    const QString& textpath = context.settings.textpath;
    const QString& name = context.mirror.WorkFile;
    WriterOutcome outcome{textReportPath(textpath, name, context.mirror.WorkNum), {}};
    if (textpath.isEmpty()) {
        outcome.problem = outcome.path + QStringLiteral(" was not saved: no data folder is set.");
    } else {
        ensureFolder(dataFolder(textpath, name, TextDataFolder));
        writeTextFile(outcome.path, reportFileText(context), &outcome.problem);
    }
    if (!outcome.ok()) {
        context.boxes.show({QStringLiteral("Save Text Problem"),
                            QStringLiteral("Problem saving Text File to ") +
                                quotedDataFile(textpath, name, TextDataFolder,
                                               QStringLiteral("Test") +
                                                   numberText(context.mirror.WorkNum) + ".txt"),
                            MessageIcon::Critical});
    }
    return outcome;
}

} // namespace orvane
