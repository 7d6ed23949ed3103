#pragma once

#include <QString>

namespace orvane {

// Wave files of the program folder's "sound" folder.
namespace SoundCue {
inline const QString LoadingData = QStringLiteral("acsfiles.wav");
inline const QString InitializingVideo = QStringLiteral("accestab.wav");
inline const QString StartupComplete = QStringLiteral("progact.wav");
inline const QString TestFinished = QStringLiteral("transpec.wav");
} // namespace SoundCue

inline constexpr char SoundFolderName[] = "sound";

// The cue's path, whatever the letter case of the folder and file on disk.
QString soundFilePath(const QString& programFolder, const QString& fileName);

} // namespace orvane
