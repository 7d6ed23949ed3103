#pragma once

#include "core/AppState.h"
#include "reduction/ReadingsInput.h"

namespace orvane {

// A finished test as a reduction's input: the mirror record, the zone table's edges and
// measuring radii in the mirror's unit, and the first `sets` sets of readings.
ReadingsInput testReadings(const MirrorData& mirror, const ZoneTable& zones,
                           const ZoneReadings& readings, int sets, bool fixedSource, bool metric);

} // namespace orvane
