#include "app/shell/SharedFiles.h"

#include "app/shell/Help.h"
#include "app/shell/SoundCues.h"
#include "core/ProgramFolder.h"
#include "core/SafeSave.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace orvane {

namespace {

bool copyIfMissing(const QString& source, const QString& target) {
    if (QFileInfo::exists(findPathIgnoringCase(target)))
        return false;
    return copyFileSafely(source, target);
}

// The files matching `pattern` in the share's `folder`, copied where missing into the program
// folder's own (found whatever its case); a name is taken from the first share holding it. False
// when that folder could not be made.
bool copyMissingFiles(const QString& share, const QString& folder, const QString& pattern,
                      const QString& programFolder, QSet<QString>& seen, int& copied) {
    const QDir source(joinPath(share, {folder}));
    const QStringList names = source.entryList({pattern}, QDir::Files);
    const QString target = findPathIgnoringCase(joinPath(programFolder, {folder}));
    if (!names.isEmpty() && !ensureFolder(target))
        return false;
    for (const QString& name : names) {
        const QString key = folder.toLower() + QLatin1Char('/') + name.toLower();
        if (seen.contains(key))
            continue;
        seen.insert(key);
        copied += copyIfMissing(source.filePath(name), joinPath(target, {name}));
    }
    return true;
}

} // namespace

QStringList shareFolderCandidates(const QString& executableFolder) {
    QStringList folders;
#ifdef ORVANE_SHARE_DIR
    folders << QStringLiteral(ORVANE_SHARE_DIR);
#endif
    folders << joinPath(executableFolder, {QStringLiteral("share")});
    return folders;
}

int installMissingSharedFiles(const QString& programFolder, const QStringList& shareFolders) {
    int copied = 0;
    QSet<QString> seen;
    for (const QString& share : shareFolders) {
        if (!copyMissingFiles(share, QString::fromLatin1(SoundFolderName), QStringLiteral("*.wav"),
                              programFolder, seen, copied))
            return copied;
        const QString manual = joinPath(share, {QString::fromLatin1(HelpFileName)});
        if (!seen.contains(QStringLiteral("help")) && QFileInfo::exists(manual)) {
            seen.insert(QStringLiteral("help"));
            copied += copyIfMissing(manual, helpFilePath(programFolder));
        }
        if (!copyMissingFiles(share, QString::fromLatin1(HelpPicturesFolderName),
                              QStringLiteral("*.png"), programFolder, seen, copied))
            return copied;
    }
    return copied;
}

} // namespace orvane
