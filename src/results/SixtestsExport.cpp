#include "results/SixtestsExport.h"

#include "core/NumberText.h"
#include "core/ProgramFolder.h"
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
    copyReplacing(findPathIgnoringCase(joinPath(sixtestsPath, {SixtestsProgram})),
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

bool exportSixtests(const ResultsContext& context) {
    const Settings& settings = context.settings;
    const QString& name = context.mirror.WorkFile;
    const QString number = numberText(context.mirror.WorkNum);

    bool exported = false;
    // Without a data folder the files would land in whatever folder the program runs in.
    if (!settings.textpath.isEmpty()) {
        const QString folder = dataFolder(settings.textpath, name, SixtestsFolder);
        const QString setFile =
            findPathIgnoringCase(joinPath(folder, {QStringLiteral("Test") + number + ".set"}));
        const QString surfaceFile = joinPath(folder, {QStringLiteral("test") + number + ".3d"});
        const ExportValues mm = settings.Metric ? ExportValues{context.mirror, context.readings}
                                                : convertedLengths(context.mirror, context.readings,
                                                                   LengthUnit::Millimetres);

        copyProgramOnce(settings.Sixtestspath, folder);
        exported = writeTextFile(setFile, sixtestsSetText(settings, mm.mirror, context.zones,
                                                          mm.readings, context.TestStdDeviation));
        if (exported && settings.LaunchSixtests)
            exported = driveSixtests(context, folder, setFile, surfaceFile);
        if (exported && settings.Launch3d)
            exported = offerViewer(context, surfaceFile);
    }
    if (!exported) {
        context.boxes.show({QStringLiteral("SHIT SHIT SHIT"),
                            QStringLiteral("Problem Saving Sixtests File as:") + CrLf +
                                quotedDataFile(settings.textpath, name, SixtestsFolder,
                                               QStringLiteral("test") + number + ".set"),
                            MessageIcon::Critical});
    }
    return exported;
}

} // namespace orvane
