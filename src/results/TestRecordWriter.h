#pragma once

#include "results/ResultsContext.h"
#include "results/WriterOutcome.h"

namespace orvane {

// testN.json beside testN.txt: the mirror, the zones, every set's readings and what the test ran
// on, for `orvane-cli reduce` and the Results window to read back.
QString testRecordPath(const QString& textpath, const QString& mirror, int test);

// Writes the record of test WorkNum; on failure the outcome says why.
WriterOutcome writeTestRecord(const ResultsContext& context);

} // namespace orvane
