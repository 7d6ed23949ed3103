#pragma once

#include "core/AppState.h"

#include <QString>

namespace orvane {

// The test's readings beside the perfect numbers of the zone table: one row per zone with its
// radius, each set's reading, the perfect number and the mean reading's difference from it.
QString readingsReport(const MirrorData& mirror, const ZoneTable& zones,
                       const ZoneReadings& readings, int sets, int PerfectFactor);

// The mean over sets 0..sets-1 of a zone's readings.
double meanReading(const ZoneReadings& readings, int zone, int sets);

} // namespace orvane
