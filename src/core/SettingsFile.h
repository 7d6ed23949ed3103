#pragma once

#include "core/Settings.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace orvane {

class MessageBoxes;

// Which part of the file could not be used.
enum class SettingsFailure {
    None,
    SectionA, // missing, unreadable, too long, or a bad value in a line of section A
    SectionC, // a bad value in a line of section C, the auto-test variables
};

struct SettingsLoadResult {
    SettingsFailure failure = SettingsFailure::None;
    bool waitForIt = false; // the first-run chain of setup dialogs should follow
};

// The dialogs a failed load opens without waiting for them; either may be left empty.
struct SettingsDialogHooks {
    std::function<void()> openSetupDialog;
    std::function<void()> openAutoTestDialog;
};

QString settingsFilePath(const QString& programFolder);

// Reads "orvane.ini" into `settings`. Values the file does not reach keep what they held.
SettingsLoadResult LoadSettings(Settings& settings, const QString& programFolder,
                                MessageBoxes& messages, const SettingsDialogHooks& dialogs = {});

// The 51 lines of the file, in file order.
QStringList settingsLines(const Settings& settings);

// Writes the file whole; a failure is reported and the program carries on.
bool SaveSettings(const Settings& settings, const QString& programFolder, MessageBoxes& messages);

} // namespace orvane
