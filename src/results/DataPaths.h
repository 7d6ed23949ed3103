#pragma once

#include <QString>

namespace orvane {

// Where the text report and the test record of each test go.
inline const QString TextDataFolder = QStringLiteral("TextData");

// Files of one mirror's results under the data folder: textpath/<mirror>/<kind>/<file>.
// Existing folders and files are found whatever their letter case.
QString dataFolder(const QString& textpath, const QString& mirror, const QString& kind);
QString dataFile(const QString& textpath, const QString& mirror, const QString& kind,
                 const QString& fileName);

// The same path as messages quote it: the pieces joined with the host separator as they stand,
// so an empty data folder shows as a leading separator.
QString quotedDataFile(const QString& textpath, const QString& mirror, const QString& kind,
                       const QString& fileName);

} // namespace orvane
