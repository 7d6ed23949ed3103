#pragma once

#include "results/ResultsContext.h"

namespace orvane {

// The report's text: header, one line per zone, and the closing empty line (ends CR LF CR LF).
QString textReportText(const Settings& settings, const MirrorData& mirror, const ZoneTable& zones,
                       const ZoneReadings& readings);

// Writes textpath/<mirror>/TextData/test<n>.txt, with the simulated bench's line below the report
// when the test ran on it; on failure says so and returns false.
bool writeTextReport(const ResultsContext& context);

} // namespace orvane
