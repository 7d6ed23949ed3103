#pragma once

#include "results/ResultsContext.h"

namespace orvane {

// The set file's text for lengths already in millimetres.
QString sixtestsSetText(const Settings& settings, const MirrorData& mmMirror,
                        const ZoneTable& zones, const ZoneReadings& mmReadings,
                        double TestStdDeviation);

// Writes textpath/<mirror>/SixTests/Test<n>.set in millimetres, copies sixtests.exe beside it
// the first time, and when asked drives sixtests.exe by keystrokes and offers 3dmirror.exe.
// On failure says so and returns false; the current mirror and the readings are never changed.
bool exportSixtests(const ResultsContext& context);

} // namespace orvane
