#pragma once

#include "results/ResultsContext.h"

namespace orvane {

struct SaveDataResult {
    bool configured = true;   // at least one writer is switched on
    bool SaveProblem = false; // a writer failed; the test number was not advanced
};

// "Save Data": runs the writers switched on in the save options (figure, text report,
// sixtests), and when none failed advances the mirror's test number and rewrites its record.
SaveDataResult saveData(const ResultsContext& context);

} // namespace orvane
