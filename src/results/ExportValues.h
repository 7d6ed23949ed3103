#pragma once

#include "core/AppState.h"
#include "core/Settings.h"

namespace orvane {

// Lengths of a mirror and its readings in another unit. The exports convert copies, so the
// current mirror and the test's readings keep their own unit whatever happens while writing.
struct ExportValues {
    MirrorData mirror;
    ZoneReadings readings;
};

enum class LengthUnit { Inches, Millimetres };

// MirDiam, Roc, Obst and every reading converted from the other unit into `unit` (divided or
// multiplied by 25.4); CC and the counts as they are.
ExportValues convertedLengths(const MirrorData& mirror, const ZoneReadings& readings,
                              LengthUnit unit);

// Number of reading sets of a test (Reps + 1), kept within the result table.
int readingSets(int reps);

} // namespace orvane
