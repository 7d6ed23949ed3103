#pragma once

#include "core/AppState.h"

namespace orvane {

// Mean over zones 1..zones of each zone's sample standard deviation over sets 0..lastSet.
// Needs lastSet >= 1; no zones give 0.
double testStandardDeviation(const ZoneReadings& readings, int zones, int lastSet);

} // namespace orvane
