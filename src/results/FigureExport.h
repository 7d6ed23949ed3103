#pragma once

#include "results/ResultsContext.h"

namespace orvane {

// The figure file's text for lengths already in inches.
QString figureFileText(const Settings& settings, const MirrorData& inchMirror,
                       const ZoneTable& zones, const ZoneReadings& inchReadings);

// Writes textpath/<mirror>/Figure/Test<n>.fig in inches beside copies of figure45.exe and its
// two support files, and starts figure45.exe when asked to. On failure says so and returns
// false; the current mirror and the readings are never changed.
bool exportFigure(const ResultsContext& context);

} // namespace orvane
