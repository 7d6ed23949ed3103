#include "core/SettingsFile.h"

#include "core/LogCategories.h"
#include "core/MessageBoxes.h"
#include "core/ProgramFolder.h"
#include "core/SettingsLayout.h"
#include "core/TextFile.h"

#include <array>
#include <optional>

namespace orvane {

namespace {

using Lines = std::array<QString, SettingsLineCount>;

constexpr double SmallestStepSize = 0.000125;

// Applies the lines in the layout's order and tells which section, if any, stopped the load.
SettingsFailure applyLines(const Lines& lines, Settings& settings) {
    for (const SettingsLine& entry : settingsLayout(settings)) {
        if (readLine(entry.value, lines[entry.line]))
            continue;
        qCDebug(lcSettings) << "line" << entry.line << entry.key << "cannot hold"
                            << lines[entry.line];
        if (entry.section == SettingsSection::A)
            return SettingsFailure::SectionA;
        if (entry.section == SettingsSection::C)
            return SettingsFailure::SectionC;
    }
    return SettingsFailure::None;
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
    result.failure = lines ? applyLines(*lines, settings) : SettingsFailure::SectionA;
    if (result.failure == SettingsFailure::SectionA) {
        result.waitForIt = true;
        applySectionAFailure(settings, programFolder, messages, dialogs);
    } else if (result.failure == SettingsFailure::SectionC) {
        applySectionCFailure(messages, dialogs);
    }
    if (result.failure != SettingsFailure::None)
        settings.DebugDisplay = true;
    return result;
}

QStringList settingsLines(const Settings& settings) {
    Settings copy = settings; // the layout points into settings it could change
    QStringList lines(SettingsLineCount);
    for (const SettingsLine& entry : settingsLayout(copy))
        lines[entry.line] = lineText(entry.value);
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
