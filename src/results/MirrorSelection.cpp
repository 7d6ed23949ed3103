#include "results/MirrorSelection.h"

#include "core/TextFile.h"
#include "results/MirrorList.h"
#include "results/MirrorRecord.h"

namespace orvane {

bool selectMirror(int entry, const MirrorSelectionContext& context) {
    if (entry < 1 || entry > MirrorListSize)
        return false;
    MirrorList& list = context.settings.mirrorList;
    const QString caption = list[static_cast<size_t>(entry - 1)];

    const MirrorRecordRead read =
        readMirrorRecord(mirrorRecordPath(context.programFolder, caption), context.mirror);
    if (read.loaded) {
        if (!read.notes.isEmpty())
            context.boxes.show(
                {QStringLiteral("Mirror Record"), read.notes.join(CrLf), MessageIcon::Information});
        context.zoneCalc();
        context.markZonesReady();
        moveMirrorToTop(list, entry);
    } else {
        context.boxes.show({QStringLiteral("Oh Shit!"),
                            QStringLiteral("File Not Found :(") + CrLf +
                                QStringLiteral("Removing entry from list") + CrLf + read.problem,
                            MessageIcon::Critical, MessageButtons::Ok, MessageAnswer::Ok});
        removeMirrorEntry(list, entry);
    }
    removeDuplicateMirrors(list);
    context.relayout();
    context.saveSettings();
    return read.loaded;
}

} // namespace orvane
