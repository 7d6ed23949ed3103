#pragma once

#include "results/ResultsContext.h"
#include "results/WriterOutcome.h"

namespace orvane {

// The report's text: header, one line per zone, and the closing empty line (ends CR LF CR LF).
QString textReportText(const Settings& settings, const MirrorData& mirror, const ZoneTable& zones,
                       const ZoneReadings& readings);

// textpath/<mirror>/TextData/test<n>.txt, found whatever its letter case.
QString textReportPath(const QString& textpath, const QString& mirror, int test);

// Writes the report of test WorkNum, with the simulated bench's line below the report when the
// test ran on it; on failure says so.
WriterOutcome writeTextReport(const ResultsContext& context);

} // namespace orvane
