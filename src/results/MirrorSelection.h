#pragma once

#include "core/AppState.h"
#include "core/MessageBoxes.h"
#include "core/Settings.h"

#include <functional>

namespace orvane {

// What a click on an entry of the mirror list touches; the main window supplies it.
struct MirrorSelectionContext {
    QString programFolder;
    Settings& settings;
    MirrorData& mirror;
    MessageBoxes& boxes;
    std::function<void()> zoneCalc;       // Zone_Calc
    std::function<void()> markZonesReady; // the zone table is valid
    std::function<void()> relayout;       // re-lay out the main window
    std::function<void()> saveSettings;   // SaveSettings, which stores the ten captions
};

// Loads the record named by entry `entry` (1..10) into the current mirror and moves the entry to
// the top; a record that cannot be loaded is reported and its entry removed. Duplicates are
// removed in every case, with why after the documented message. Returns whether the record was
// loaded.
bool selectMirror(int entry, const MirrorSelectionContext& context);

} // namespace orvane
