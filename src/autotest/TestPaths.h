#pragma once

#include <QString>

namespace orvane {

// Files of the program folder, found whatever the letter case on disk.
QString zoneSoundPath(const QString& programFolder, int zone);
QString endSoundPath(const QString& programFolder);
QString debugLogPath(const QString& programFolder);

// Creates textpath/<mirror>/Images/Test<n>, reusing existing folders of any letter case, and
// returns it; empty when there is no data folder to put it in.
QString prepareImageFolder(const QString& textpath, const QString& workFile, int workNum);
// The same for textpath/<mirror>/TextData, where the test's report goes.
QString prepareReportFolder(const QString& textpath, const QString& workFile);

} // namespace orvane
