#include "results/DataPaths.h"

#include "core/ProgramFolder.h"

#include <QDir>
#include <QStringList>

namespace orvane {

namespace {
// Finds each piece in turn, so an existing "textdata" folder is used for "TextData" even when
// the file below it does not exist yet.
QString resolvePieces(const QString& base, const QStringList& pieces) {
    QString path = findPathIgnoringCase(base);
    for (const QString& piece : pieces)
        path = findPathIgnoringCase(joinPath(path, {piece}));
    return path;
}
} // namespace

QString dataFolder(const QString& textpath, const QString& mirror, const QString& kind) {
    return resolvePieces(textpath, {mirror, kind});
}

QString dataFile(const QString& textpath, const QString& mirror, const QString& kind,
                 const QString& fileName) {
    return resolvePieces(textpath, {mirror, kind, fileName});
}

QString quotedDataFile(const QString& textpath, const QString& mirror, const QString& kind,
                       const QString& fileName) {
    return QStringList{textpath, mirror, kind, fileName}.join(QDir::separator());
}

} // namespace orvane
