#include "app/shell/SoundCues.h"

#include "core/ProgramFolder.h"

namespace orvane {

QString soundFilePath(const QString& programFolder, const QString& fileName) {
    return findPathIgnoringCase(
        joinPath(programFolder, {QString::fromLatin1(SoundFolderName), fileName}));
}

} // namespace orvane
