#include "results/MirrorSelection.h"

#include "core/TextFile.h"
#include "results/MirrorList.h"
#include "results/MirrorRecord.h"

namespace orvane {

bool zoneTableCanBeBuilt(const MirrorData& mirror) {
    return mirror.MirDiam != 0.0 && mirror.NZ >= 1 && mirror.NZ <= MaxZones;
}

bool selectMirror(int entry, const MirrorSelectionContext& context) {
    if (entry < 1 || entry > MirrorListSize)
        return false;
    MirrorList& list = context.settings.mirrorList;
    const QString caption = list[static_cast<size_t>(entry - 1)];

    const bool loaded =
        readMirrorRecord(mirrorRecordPath(context.programFolder, caption), context.mirror) &&
        zoneTableCanBeBuilt(context.mirror);
    if (loaded) {
        context.zoneCalc();
        context.markZonesReady();
        moveMirrorToTop(list, entry);
    } else {
        context.boxes.show({QStringLiteral("Oh Shit!"),
                            QStringLiteral("File Not Found :(") + CrLf +
                                QStringLiteral("Removing entry from list"),
                            MessageIcon::Critical, MessageButtons::Ok, MessageAnswer::Ok});
        removeMirrorEntry(list, entry);
    }
    removeDuplicateMirrors(list);
    context.relayout();
    context.saveSettings();
    return loaded;
}

} // namespace orvane
