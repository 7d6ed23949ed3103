#include "autotest/variables/AutoTestReset.h"

#include "autotest/variables/DerivedMoves.h"

namespace orvane {

void resetAutoTestVariables(Settings& settings) {
    AutoTestVariables fresh;
    fresh.Max = settings.autoTest.Max;
    fresh.Min = settings.autoTest.Min;
    deriveMoves(fresh, settings.LRStepSize, settings.StepSize);
    settings.autoTest = fresh;
}

} // namespace orvane
