#include "core/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace orvane {

QString resolveProgramFolder(const QStringList& arguments, const QString& executableFolder) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--program-folder"));
    if (at >= 0 && at + 1 < arguments.size())
        return QDir(arguments.at(at + 1)).absolutePath();
    if (QFileInfo(executableFolder).isWritable())
        return QDir(executableFolder).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString joinPath(const QString& base, std::initializer_list<QString> names) {
    QString path = base;
    for (const QString& name : names) {
        if (!path.isEmpty() && !path.endsWith(QDir::separator()) && !path.endsWith('/'))
            path += QDir::separator();
        path += name;
    }
    return QDir::toNativeSeparators(path);
}

QString findPathIgnoringCase(const QString& path) {
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    const bool absolute = clean.startsWith('/');
    const QStringList parts = clean.split('/', Qt::SkipEmptyParts);
    QString current = absolute ? QStringLiteral("/") : QStringLiteral(".");
    QString built = absolute ? QStringLiteral("/") : QString();
    for (const QString& part : parts) {
        QString match;
        if (QFileInfo::exists(QDir(current).filePath(part))) {
            match = part;
        } else {
            const QStringList entries =
                QDir(current).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    match = entry;
                    break;
                }
            }
        }
        if (match.isEmpty())
            return path;
        current = QDir(current).filePath(match);
        built = built.isEmpty() || built.endsWith('/') ? built + match : built + '/' + match;
    }
    return QDir::toNativeSeparators(built);
}

bool folderExistsOrCanBeMade(const QString& path) {
    if (path.contains(QChar::Null))
        return false; // no file system takes it, and Qt warns of it at every look
    QString nearest = QDir::cleanPath(QDir::fromNativeSeparators(path));
    while (!nearest.isEmpty() && !QFileInfo::exists(nearest)) {
        const qsizetype slash = nearest.lastIndexOf(QLatin1Char('/'));
        nearest = slash > 0 ? nearest.left(slash) : slash == 0 ? QStringLiteral("/") : QString();
    }
    return nearest.isEmpty() || QFileInfo(nearest).isDir();
}

bool ensureFolder(const QString& path) {
    return !path.isEmpty() && QDir().mkpath(path);
}

} // namespace orvane
