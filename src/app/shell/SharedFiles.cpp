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
    const QString sound = QString::fromLatin1(SoundFolderName);
    const QString soundTarget = findPathIgnoringCase(joinPath(programFolder, {sound}));
    int copied = 0;
    QSet<QString> seen;
    for (const QString& share : shareFolders) {
        const QDir soundSource(joinPath(share, {sound}));
        const QStringList waves = soundSource.entryList({QStringLiteral("*.wav")}, QDir::Files);
        if (!waves.isEmpty() && !ensureFolder(soundTarget))
            return copied;
        for (const QString& wave : waves) {
            if (seen.contains(wave.toLower()))
                continue;
            seen.insert(wave.toLower());
            copied += copyIfMissing(soundSource.filePath(wave), joinPath(soundTarget, {wave}));
        }
        const QString manual = joinPath(share, {QString::fromLatin1(HelpFileName)});
        if (!seen.contains(QStringLiteral("help")) && QFileInfo::exists(manual)) {
            seen.insert(QStringLiteral("help"));
            copied += copyIfMissing(manual, helpFilePath(programFolder));
        }
    }
    return copied;
}

} // namespace orvane
