#include "app/shell/SoundCues.h"

#include "app/core/ProgramFolder.h"

namespace orvane {

QString soundFilePath(const QString& programFolder, const QString& fileName) {
    return findPathIgnoringCase(
        joinPath(programFolder, {QString::fromLatin1(SoundFolderName), fileName}));
}

QString zoneSoundPath(const QString& programFolder, int zone) {
    return soundFilePath(programFolder, QStringLiteral("Z%1.wav").arg(zone));
}

} // namespace orvane
