#include "results/FigureExport.h"

#include "core/NumberText.h"
#include "core/ProgramFolder.h"
#include "core/SafeSave.h"
#include "core/TextFile.h"
#include "results/DataPaths.h"
#include "results/ExportValues.h"

#include <algorithm>

namespace orvane {

namespace {
const QString FigureFolder = QStringLiteral("Figure");
const QString FigureProgram = QStringLiteral("figure45.exe");
constexpr int LastFigureZone = 15;
constexpr int ReadingBlockLines = 45;
constexpr int RadiusCharacters = 8;

QString figureFileName(int test) {
    return QStringLiteral("Test") + numberText(test) + ".fig";
}

void copyFigureProgram(const QString& from, const QString& to) {
    for (const QString& name :
         {FigureProgram, QStringLiteral("Egavga.bgi"), QStringLiteral("Bessel.dat")}) {
        copyFileSafely(findPathIgnoringCase(joinPath(from, {name})), joinPath(to, {name}));
    }
}
} // namespace

QString figureFileText(const Settings& settings, const MirrorData& inchMirror,
                       const ZoneTable& zones, const ZoneReadings& inchReadings) {
    const int zoneCount = std::clamp(inchMirror.NZ, 0, MaxZones);
    const int sets = readingSets(settings.Reps);
    QStringList lines;
    lines << numberText(zoneCount) + QStringLiteral(" 1 ") +
                 (settings.menus.fixedSource ? QStringLiteral("0") : QStringLiteral("1"));
    lines << numberText(inchMirror.Roc) + ' ' + numberText(inchMirror.MirDiam) + ' ' +
                 numberText(inchMirror.CC);
    for (int zone = 1; zone <= zoneCount; ++zone) {
        // The radius is cut to its first characters, not rounded.
        const QString radius =
            numberText(inchMirror.MirDiam / 2 * zones.centerFrac[zone]).left(RadiusCharacters);
        lines << radius + QStringLiteral(" 0.000000 ") + numberText(inchReadings.at(zone, 0));
    }
    for (int zone = zoneCount + 1; zone <= LastFigureZone; ++zone)
        lines << QStringLiteral("0.000000 0.000000 0.000000");
    lines << QStringLiteral("0 ") + numberText(sets);
    if (sets > 1) {
        int blockLines = 0;
        for (int zone = 1; zone <= zoneCount; ++zone) {
            for (int set = 1; set < MaxSets; ++set, ++blockLines)
                lines << numberText(inchReadings.at(zone, set));
        }
        for (; blockLines < ReadingBlockLines; ++blockLines)
            lines << QStringLiteral("0");
    }
    lines << QString();
    return crlfJoin(lines);
}

QString figureFilePath(const QString& textpath, const QString& mirror, int test) {
    return dataFile(textpath, mirror, FigureFolder, figureFileName(test));
}

WriterOutcome exportFigure(const ResultsContext& context) {
    const Settings& settings = context.settings;
    const QString& name = context.mirror.WorkFile;
    WriterOutcome outcome{figureFilePath(settings.textpath, name, context.mirror.WorkNum), {}};
    // Without a data folder the files would land in whatever folder the program runs in.
    if (settings.FigurePath.isEmpty() || settings.textpath.isEmpty()) {
        outcome.problem = outcome.path + QStringLiteral(" was not saved: no data folder or no "
                                                        "figure45 folder is set.");
    } else {
        const QString folder = dataFolder(settings.textpath, name, FigureFolder);
        ensureFolder(folder);
        copyFigureProgram(settings.FigurePath, folder);

        const ExportValues inches =
            settings.Metric ? convertedLengths(context.mirror, context.readings, LengthUnit::Inches)
                            : ExportValues{context.mirror, context.readings};
        if (writeTextFile(outcome.path,
                          figureFileText(settings, inches.mirror, context.zones, inches.readings),
                          &outcome.problem) &&
            settings.LaunchFigure &&
            !context.launcher.start(joinPath(folder, {FigureProgram}), folder)) {
            outcome.problem = outcome.path + QStringLiteral(" was saved, but ") + FigureProgram +
                              QStringLiteral(" could not be started.");
        }
    }
    if (!outcome.ok()) {
        context.boxes.show({ProgramTitle,
                            QStringLiteral("Problem saving Figure File as ") +
                                quotedDataFile(settings.textpath, name, FigureFolder,
                                               figureFileName(context.mirror.WorkNum)),
                            MessageIcon::None});
    }
    return outcome;
}

} // namespace orvane
