#pragma once

#include "core/Settings.h"

namespace orvane {

// Operations on the ten captions of the "&Mirror Database" menu. Entries are numbered 1..10
// as in the menu; an entry whose caption is empty or "mnu" is hidden.
using MirrorList = std::array<QString, MirrorListSize>;

// The editor's insert: every shown entry moves down one place and `name` becomes entry 1. The
// list is not searched, so a name already listed appears twice until the next selection.
void putMirrorAtTop(MirrorList& list, const QString& name);

// A selection: entries 1..entry-1 move down one place and the chosen one becomes entry 1.
void moveMirrorToTop(MirrorList& list, int entry);

// Removes the entry and closes the gap; entry 10 is left empty.
void removeMirrorEntry(MirrorList& list, int entry);

// Keeps the first of equal captions among entries 1..9 (exact comparison; entry 10 is not
// compared).
void removeDuplicateMirrors(MirrorList& list);

} // namespace orvane
