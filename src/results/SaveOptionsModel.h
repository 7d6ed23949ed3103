#pragma once

#include "core/MessageBoxes.h"
#include "core/Settings.h"
#include "results/FileChooser.h"

#include <optional>

namespace orvane {

// The nine settings of the "Save Data Options" dialog.
struct SaveOptionsValues {
    QString FigurePath;
    bool Savefigure = false;
    bool LaunchFigure = false;
    QString Sixtestspath;
    bool SaveSixtests = false;
    bool LaunchSixtests = false;
    bool Launch3d = false;
    QString textpath;
    bool Savetext = false;
};

SaveOptionsValues saveOptionsOf(const Settings& settings);

// Stores the values; each folder loses one trailing separator ("\" or "/"), a bare root keeps it.
void applySaveOptions(const SaveOptionsValues& values, Settings& settings);
QString withoutTrailingSeparator(QString folder);

// Which outside program a Browse button looks for.
struct ProgramBrowse {
    QString title;
    QString highlightHint; // middle line of the invalid-selection message; may be empty
};
ProgramBrowse figure45Browse();
ProgramBrowse sixtestsBrowse();

// Asks for the program's file until a name is chosen or the user gives up; returns the folder
// that holds it, or nullopt to leave the field as it is.
std::optional<QString> browseProgramFolder(const ProgramBrowse& browse, FileChooser& chooser,
                                           MessageBoxes& boxes);

// The data folder: a folder picker starting in the program folder; nullopt on cancel.
std::optional<QString> browseDataFolder(const QString& programFolder, FileChooser& chooser);

} // namespace orvane
