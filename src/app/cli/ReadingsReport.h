#pragma once

#include "core/AppState.h"

#include <QString>

namespace orvane {

// The test's readings beside the perfect numbers of the zone table: one row per zone with its
// radius, each set's reading, the perfect number and the mean reading's difference from it.
QString readingsReport(const MirrorData& mirror, const ZoneTable& zones,
                       const ZoneReadings& readings, int sets, int PerfectFactor);

// The precision search's readings, to 0.0001 inch or 0.001 mm, each with its standard error:
// "Zone 2   0.0123 +- 0.00004   0.0124 +- 0.00005".
QString precisionReport(const MirrorData& mirror, const ZoneReadings& readings,
                        const ZoneReadings& errors, int sets, bool metric);

// The mean over sets 0..sets-1 of a zone's readings.
double meanReading(const ZoneReadings& readings, int zone, int sets);

} // namespace orvane
