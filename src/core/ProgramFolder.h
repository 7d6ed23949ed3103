#pragma once

#include <QString>
#include <QStringList>

namespace orvane {

// The folder every fixed path of the program is built from: the executable's folder, or
// `--program-folder DIR`, or the user's application data folder when the executable's folder
// cannot be written (an installed program).
QString resolveProgramFolder(const QStringList& arguments, const QString& executableFolder);

// Joins a base folder and names with the host's separator.
QString joinPath(const QString& base, std::initializer_list<QString> names);

// Finds an existing file or folder whatever the letter case of its components ("Test3.txt"
// finds "test3.txt"); returns the path unchanged when nothing matches.
QString findPathIgnoringCase(const QString& path);

// An empty path, a folder, or a path whose nearest existing ancestor is a folder.
bool folderExistsOrCanBeMade(const QString& path);

// Creates the folder and its parents; true when it exists afterwards.
bool ensureFolder(const QString& path);

} // namespace orvane
