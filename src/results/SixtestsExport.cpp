#include "results/SixtestsExport.h"

#include "core/NumberText.h"
#include "core/ProgramFolder.h"
#include "core/SafeSave.h"
#include "core/TextFile.h"
#include "results/DataPaths.h"
#include "results/ExportValues.h"
#include "results/SendKeys.h"

#include <QFileInfo>
#include <algorithm>

namespace orvane {

namespace {
const QString SixtestsFolder = QStringLiteral("SixTests");
const QString SixtestsProgram = QStringLiteral("sixtests.exe");
const QString ViewerProgram = QStringLiteral("3dmirror.exe");
const QString Enter = QStringLiteral("{enter}");
constexpr double StartPauseMs = 200;
constexpr double MenuPauseMs = 100;

QString zoneLine(int zone, int sets, const MirrorData& mirror, const ZoneTable& zones,
                 const ZoneReadings& readings) {
    double sum = 0;
    for (int set = 0; set < sets; ++set)
        sum += readings.at(zone, set);
    return numberText(roundHalfEven(mirror.MirDiam / 2 * zones.centerFrac[zone], 1)) + ' ' +
           numberText(roundHalfEven(sum / sets, 3));
}

void copyProgramOnce(const QString& sixtestsPath, const QString& folder) {
    if (QFileInfo::exists(findPathIgnoringCase(joinPath(folder, {SixtestsProgram}))))
        return;
    ensureFolder(folder);
    copyFileSafely(findPathIgnoringCase(joinPath(sixtestsPath, {SixtestsProgram})),
                   joinPath(folder, {SixtestsProgram}));
}

// Has sixtests.exe open the set file and save the surface file, as a person would by menus.
bool driveSixtests(const ResultsContext& context, const QString& folder, const QString& setFile,
                   const QString& surfaceFile) {
    KeystrokeSender& keys = context.keys;
    const auto pause = [&](double ms) { waitMs(ms, context.clock, context.pump); };
    if (!context.launcher.start(joinPath(folder, {SixtestsProgram}), folder))
        return false;
    pause(StartPauseMs);
    if (!keys.send(QStringLiteral("%fo"), true) ||
        !keys.send(sendKeysLiteral(setFile) + Enter, true) || !keys.send(Enter, false))
        return false;
    pause(MenuPauseMs);
    if (!keys.send(QStringLiteral("%ff"), true))
        return false;
    pause(MenuPauseMs);
    return keys.send(sendKeysLiteral(surfaceFile) + Enter, true);
}

// Offers the 3D viewer on the surface file; false only when it was wanted and failed.
bool offerViewer(const ResultsContext& context, const QString& surfaceFile) {
    const Message question{QStringLiteral("Launch 3D Mirror?"),
                           QStringLiteral("Press OK to Launch 3d Mirror!"), MessageIcon::None,
                           MessageButtons::OkCancel, MessageAnswer::Ok};
    if (context.boxes.show(question) != MessageAnswer::Ok)
        return true;
    return context.launcher.start(joinPath(context.programFolder, {ViewerProgram}),
                                  context.programFolder) &&
           context.keys.send(sendKeysLiteral(surfaceFile) + Enter, true);
}

// Drives sixtests.exe and offers the viewer as the options ask; what failed, or nothing.
QString runPrograms(const ResultsContext& context, const QString& folder, const QString& setFile,
                    const QString& surfaceFile) {
    if (context.settings.LaunchSixtests && !driveSixtests(context, folder, setFile, surfaceFile))
        return SixtestsProgram + QStringLiteral(" could not be driven to save ") + surfaceFile +
               '.';
    if (context.settings.Launch3d && !offerViewer(context, surfaceFile))
        return ViewerProgram + QStringLiteral(" could not be started.");
    return {};
}
} // namespace

QString sixtestsSetText(const Settings& settings, const MirrorData& mmMirror,
                        const ZoneTable& zones, const ZoneReadings& mmReadings,
                        double TestStdDeviation) {
    const int sets = readingSets(settings.Reps);
    QStringList lines;
    lines << mmMirror.WorkFile + QStringLiteral(" Test Number ") + numberText(mmMirror.WorkNum);
    lines << numberText(mmMirror.MirDiam) + QStringLiteral("   ") + numberText(mmMirror.Obst) +
                 QStringLiteral("   Mirror, obstruction diameters (mm)");
    lines << QStringLiteral("Foucault");
    lines << (settings.menus.fixedSource ? numberText(mmMirror.Roc) : QStringLiteral("0.0")) +
                 QStringLiteral("     Source distance (0=moving source)");
    lines << QStringLiteral("y, MM   X, mm");
    for (int zone = 1; zone <= std::clamp(mmMirror.NZ, 0, MaxZones); ++zone)
        lines << zoneLine(zone, sets, mmMirror, zones, mmReadings);
    lines << QStringLiteral("*");
    lines << numberText(roundHalfEven(mmMirror.CC, 3)) + ' ' +
                 numberText(roundHalfEven(mmMirror.Roc, 3)) +
                 QStringLiteral("    Conic targets:  b, R (mm)");
    lines << numberText(TestStdDeviation) + QStringLiteral(" Measurement std deviation, mm");
    lines << numberText(roundHalfEven(mmMirror.Roc, 1)) +
                 QStringLiteral(" Longitudinal reading bias, mm");
    lines << QString();
    return crlfJoin(lines);
}

QString sixtestsSetPath(const QString& textpath, const QString& mirror, int test) {
    return dataFile(textpath, mirror, SixtestsFolder,
                    QStringLiteral("Test") + numberText(test) + ".set");
}

WriterOutcome exportSixtests(const ResultsContext& context) {
    const Settings& settings = context.settings;
    const QString& name = context.mirror.WorkFile;
    const QString number = numberText(context.mirror.WorkNum);
    WriterOutcome outcome{sixtestsSetPath(settings.textpath, name, context.mirror.WorkNum), {}};
    // Without a data folder the files would land in whatever folder the program runs in.
    if (settings.textpath.isEmpty()) {
        outcome.problem = outcome.path + QStringLiteral(" was not saved: no data folder is set.");
    } else {
        const QString folder = dataFolder(settings.textpath, name, SixtestsFolder);
        const QString surfaceFile = joinPath(folder, {QStringLiteral("test") + number + ".3d"});
        const ExportValues mm = settings.Metric ? ExportValues{context.mirror, context.readings}
                                                : convertedLengths(context.mirror, context.readings,
                                                                   LengthUnit::Millimetres);

        copyProgramOnce(settings.Sixtestspath, folder);
        if (writeTextFile(outcome.path,
                          sixtestsSetText(settings, mm.mirror, context.zones, mm.readings,
                                          context.TestStdDeviation),
                          &outcome.problem)) {
            const QString failed = runPrograms(context, folder, outcome.path, surfaceFile);
            if (!failed.isEmpty())
                outcome.problem = outcome.path + QStringLiteral(" was saved, but ") + failed;
        }
    }
    if (!outcome.ok()) {
        context.boxes.show({QStringLiteral("SHIT SHIT SHIT"),
                            QStringLiteral("Problem Saving Sixtests File as:") + CrLf +
                                quotedDataFile(settings.textpath, name, SixtestsFolder,
                                               QStringLiteral("test") + number + ".set"),
                            MessageIcon::Critical});
    }
    return outcome;
}

} // namespace orvane
