#include "results/MirrorEditorSession.h"

#include "core/ProgramFolder.h"
#include "results/MirrorList.h"
#include "results/MirrorRecord.h"

namespace orvane {

MirrorEditorSession::MirrorEditorSession(MirrorEditorContext context)
    : context_(std::move(context)) {}

QString MirrorEditorSession::mirrorsFolder() const {
    return findPathIgnoringCase(joinPath(context_.programFolder, {QStringLiteral("mirrors")}));
}

void MirrorEditorSession::openExisting(const QString& recordPath, MirrorEntryTexts& texts) {
    readEntryFromRecord(recordPath, texts);
    openedFromFile_ = true;
}

bool MirrorEditorSession::save(const MirrorEntryTexts& texts) {
    const MirrorEntryCheck check = checkMirrorEntry(
        texts, {context_.programFolder, closing_, openedFromFile_}, context_.boxes);
    for (const Message& message : check.failures)
        context_.boxes.show(message);
    if (!check.passed())
        return false;

    context_.mirror = mirrorFromEntry(texts);
    // A record that cannot be written still becomes the current mirror.
    writeMirrorRecord(context_.programFolder, texts.name, entryRecordLines(texts));
    context_.zoneCalc();
    context_.markZonesReady();
    putMirrorAtTop(context_.settings.mirrorList, texts.name);
    openedFromFile_ = false;
    return true;
}

void MirrorEditorSession::cancel(const MirrorEntryTexts& texts) {
    closing_ = true;
    if (openedFromFile_)
        save(texts);
}

} // namespace orvane
