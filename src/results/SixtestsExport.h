#pragma once

#include "results/ResultsContext.h"
#include "results/WriterOutcome.h"

namespace orvane {

// The set file's text for lengths already in millimetres.
QString sixtestsSetText(const Settings& settings, const MirrorData& mmMirror,
                        const ZoneTable& zones, const ZoneReadings& mmReadings,
                        double TestStdDeviation);

// textpath/<mirror>/SixTests/Test<n>.set, found whatever its letter case.
QString sixtestsSetPath(const QString& textpath, const QString& mirror, int test);

// Writes the set file of test WorkNum in millimetres, copies sixtests.exe beside it the first
// time, and when asked drives sixtests.exe by keystrokes and offers 3dmirror.exe. On failure
// says so; the current mirror and the readings are never changed.
WriterOutcome exportSixtests(const ResultsContext& context);

} // namespace orvane
