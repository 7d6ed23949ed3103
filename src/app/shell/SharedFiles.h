#pragma once

#include <QString>
#include <QStringList>

namespace orvane {

// Where the build or the installation keeps the sound cues ("sound/*.wav") and the manual:
// the build's share folder and a "share" folder beside the executable.
QStringList shareFolderCandidates(const QString& executableFolder);

// Gives a fresh program folder its sound cues and manual: copies every file that the program
// folder lacks from the first share folder that has it. Returns how many files were copied.
int installMissingSharedFiles(const QString& programFolder, const QStringList& shareFolders);

} // namespace orvane
