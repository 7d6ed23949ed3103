#include "results/MirrorList.h"

namespace orvane {

namespace {
// Entry numbers of the menu are 1-based.
QString& entryAt(MirrorList& list, int entry) {
    return list[static_cast<size_t>(entry - 1)];
}
} // namespace

void putMirrorAtTop(MirrorList& list, const QString& name) {
    for (int i = MirrorListSize; i >= 2; --i) {
        // An entry below an empty one becomes empty (hidden) rather than keeping a stale name
        // that would show again once the list is reloaded.
        entryAt(list, i) =
            isMirrorSlotUsed(entryAt(list, i - 1)) ? entryAt(list, i - 1) : EmptyMirrorSlot;
    }
    entryAt(list, 1) = name;
}

void moveMirrorToTop(MirrorList& list, int entry) {
    if (entry < 1 || entry > MirrorListSize)
        return;
    const QString chosen = entryAt(list, entry);
    for (int j = entry; j >= 2; --j)
        entryAt(list, j) = entryAt(list, j - 1);
    entryAt(list, 1) = chosen;
}

void removeMirrorEntry(MirrorList& list, int entry) {
    if (entry < 1 || entry > MirrorListSize)
        return;
    for (int j = entry; j <= MirrorListSize - 1; ++j)
        entryAt(list, j) = entryAt(list, j + 1);
    entryAt(list, MirrorListSize) = QString();
}

void removeDuplicateMirrors(MirrorList& list) {
    constexpr int LastCompared = MirrorListSize - 1;
    for (int i = 1; i <= LastCompared; ++i) {
        for (int j = i + 1; j <= LastCompared;) {
            if (!entryAt(list, i).isEmpty() && entryAt(list, i) == entryAt(list, j))
                removeMirrorEntry(list, j); // the next caption moved into j: test j again
            else
                ++j;
        }
    }
}

} // namespace orvane
