#include "core/SettingsFile.h"

#include "core/MessageBoxes.h"
#include "core/NumberText.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"

#include <array>
#include <limits>
#include <optional>

namespace orvane {

namespace {

using Lines = std::array<QString, SettingsLineCount>;

struct SliderRange {
    int min;
    int max;
};
// A slider refuses a value outside its range, which makes the line bad.
constexpr SliderRange MaxdelayRange{1, 5000};
constexpr SliderRange MindelayRange{1, 1000};
constexpr SliderRange AcellRange{1, 10};
constexpr SliderRange CheckBoxRange{0, 1};
constexpr SliderRange AnyInt{std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
constexpr double SmallestStepSize = 0.000125;

bool setBool(const QString& text, bool& target) {
    const std::optional<bool> value = parseBool(text);
    if (value)
        target = *value;
    return value.has_value();
}

bool setDouble(const QString& text, double& target) {
    const std::optional<double> value = parseNumber(text);
    if (value)
        target = *value;
    return value.has_value();
}

bool setInt(const QString& text, int& target, SliderRange range = AnyInt) {
    const std::optional<double> value = parseNumber(text);
    if (!value)
        return false;
    const double rounded = static_cast<double>(roundToInt(*value));
    if (rounded < range.min || rounded > range.max)
        return false;
    target = static_cast<int>(rounded);
    return true;
}

bool setText(const QString& text, QString& target) {
    target = text;
    return true;
}

// Lines 0-20, the mirror list and lines 31-32 (and 50 with line 6), in the order the file
// applies them; stops at the first bad value, leaving the earlier ones applied.
bool applySectionA(const Lines& l, Settings& s) {
    PlatformMenus& m = s.menus;
    const bool head =
        setBool(l[0], m.invert) && setText(l[1], m.lrSwapCaption) && setBool(l[2], m.lrSwap) &&
        setText(l[3], m.tfSwapCaption) && setBool(l[4], m.tfSwap) && setBool(l[5], m.swapMotors) &&
        setDouble(l[6], s.StepSize) && setDouble(l[50], s.LRStepSize) && setBool(l[7], s.Metric) &&
        setBool(l[8], s.KnifeRight) && setBool(l[9], m.fixedSource) &&
        setText(l[10], s.FigurePath) && setText(l[11], s.Sixtestspath) &&
        setText(l[12], s.textpath) && setBool(l[13], s.Savefigure) &&
        setBool(l[14], s.SaveSixtests) && setBool(l[15], s.Savetext) &&
        setBool(l[16], s.LaunchFigure) && setBool(l[17], s.LaunchSixtests) &&
        setInt(l[18], s.Maxdelay, MaxdelayRange) && setInt(l[19], s.Mindelay, MindelayRange) &&
        setInt(l[20], s.sldAcell, AcellRange);
    if (!head)
        return false;
    for (int i = 0; i < MirrorListSize; ++i)
        s.mirrorList[i] = l[21 + i];
    return setInt(l[31], s.autoTest.Max) && setInt(l[32], s.autoTest.Min);
}

// Lines 33-38: a bad value is skipped and its holder keeps what it had.
void applySectionB(const Lines& l, Settings& s) {
    setInt(l[33], s.SavePicture, CheckBoxRange);
    setInt(l[34], s.Reps);
    setInt(l[35], s.VidSource);
    if (l[36].isEmpty())
        s.DebugDisplay = true;
    else
        setBool(l[36], s.DebugDisplay);
    setBool(l[37], s.MoreText);
    setBool(l[38], s.Launch3d);
}

bool applySectionC(const Lines& l, Settings& s) {
    AutoTestVariables& a = s.autoTest;
    return setInt(l[39], a.LRMinFrames) && setInt(l[40], a.LRDelta) && setInt(l[41], a.LRSmMove) &&
           setInt(l[42], a.LRLgMove) && setInt(l[43], a.TFRoughFrames) &&
           setInt(l[44], a.TFOblatedelta) && setInt(l[45], a.TFOblateMove) &&
           setInt(l[46], a.TFRoughDelta) && setInt(l[47], a.TFRoughMove) &&
           setInt(l[48], a.TFFinalFrames) && setInt(l[49], a.TFFinalMoves);
}

std::optional<Lines> readSettingsLines(const QString& path) {
    const std::optional<QStringList> read = readTextLines(path);
    if (!read || read->size() > SettingsLineCount)
        return std::nullopt;
    Lines lines;
    for (qsizetype i = 0; i < read->size(); ++i)
        lines[i] = read->at(i);
    return lines;
}

// First-run defaults after the file could not be used.
void applySectionAFailure(Settings& s, const QString& programFolder, MessageBoxes& messages,
                          const SettingsDialogHooks& dialogs) {
    if (s.StepSize == 0)
        s.StepSize = SmallestStepSize;
    if (s.LRStepSize == 0)
        s.LRStepSize = SmallestStepSize;
    messages.show({QStringLiteral("Initialization Error :("),
                   QStringLiteral("Unable to Load Orvane.ini, Now opening Setup Dialog, Please "
                                  "confirm Data to continue"),
                   MessageIcon::Critical});
    if (s.textpath.isEmpty())
        s.textpath = joinPath(programFolder, {QStringLiteral("TestResults")});
    s.Savetext = true;
    if (s.autoTest.Min == 0) {
        s.autoTest.Min = 30;
        s.autoTest.Max = 60;
    }
    if (dialogs.openSetupDialog)
        dialogs.openSetupDialog();
}

void applySectionCFailure(MessageBoxes& messages, const SettingsDialogHooks& dialogs) {
    messages.show({QStringLiteral("Initialization Error :("),
                   QStringLiteral("Unable to load Auto-Test Variuables, Now opening Auto-Test "
                                  "Dialog, please confirm data to continue"),
                   MessageIcon::Critical});
    if (dialogs.openAutoTestDialog)
        dialogs.openAutoTestDialog();
}

} // namespace

QString settingsFilePath(const QString& programFolder) {
    return findPathIgnoringCase(joinPath(programFolder, {QStringLiteral("orvane.ini")}));
}

SettingsLoadResult LoadSettings(Settings& settings, const QString& programFolder,
                                MessageBoxes& messages, const SettingsDialogHooks& dialogs) {
    SettingsLoadResult result;
    const std::optional<Lines> lines = readSettingsLines(settingsFilePath(programFolder));
    if (!lines || !applySectionA(*lines, settings)) {
        result.failure = SettingsFailure::SectionA;
        result.waitForIt = true;
        applySectionAFailure(settings, programFolder, messages, dialogs);
    } else {
        applySectionB(*lines, settings);
        if (!applySectionC(*lines, settings)) {
            result.failure = SettingsFailure::SectionC;
            applySectionCFailure(messages, dialogs);
        }
    }
    if (result.failure != SettingsFailure::None)
        settings.DebugDisplay = true;
    return result;
}

QStringList settingsLines(const Settings& s) {
    const PlatformMenus& m = s.menus;
    const AutoTestVariables& a = s.autoTest;
    QStringList lines{boolText(m.invert),
                      m.lrSwapCaption,
                      boolText(m.lrSwap),
                      m.tfSwapCaption,
                      boolText(m.tfSwap),
                      boolText(m.swapMotors),
                      numberText(s.StepSize),
                      boolText(s.Metric),
                      boolText(s.KnifeRight),
                      boolText(m.fixedSource),
                      s.FigurePath,
                      s.Sixtestspath,
                      s.textpath,
                      boolText(s.Savefigure),
                      boolText(s.SaveSixtests),
                      boolText(s.Savetext),
                      boolText(s.LaunchFigure),
                      boolText(s.LaunchSixtests),
                      numberText(s.Maxdelay),
                      numberText(s.Mindelay),
                      numberText(s.sldAcell)};
    for (const QString& caption : s.mirrorList)
        lines << caption;
    lines << numberText(a.Max) << numberText(a.Min) << numberText(s.SavePicture)
          << numberText(s.Reps) << numberText(s.VidSource) << boolText(s.DebugDisplay)
          << boolText(s.MoreText) << boolText(s.Launch3d);
    for (int value :
         {a.LRMinFrames, a.LRDelta, a.LRSmMove, a.LRLgMove, a.TFRoughFrames, a.TFOblatedelta,
          a.TFOblateMove, a.TFRoughDelta, a.TFRoughMove, a.TFFinalFrames, a.TFFinalMoves})
        lines << numberText(value);
    lines << numberText(s.LRStepSize);
    return lines;
}

bool SaveSettings(const Settings& settings, const QString& programFolder, MessageBoxes& messages) {
    const QString path = settingsFilePath(programFolder);
    QString error;
    if (writeTextFile(path, crlfJoin(settingsLines(settings)), &error))
        return true;
    messages.show({QStringLiteral("Save Error :("),
                   QStringLiteral("Unable to save the settings to %1 (%2). The program goes on "
                                  "with the current settings; they will be saved again at the "
                                  "next occasion.")
                       .arg(path, error),
                   MessageIcon::Critical});
    return false;
}

} // namespace orvane
