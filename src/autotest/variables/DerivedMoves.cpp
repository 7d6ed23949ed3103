#include "autotest/variables/DerivedMoves.h"

#include "core/NumberText.h"

#include <algorithm>
#include <limits>

namespace orvane {

namespace {
constexpr double KnifeSmallTravel = 0.000125;
constexpr double KnifeLargeTravel = 0.00075;
constexpr double PlatformForwardTravel = 0.005;
constexpr double PlatformAwayTravel = 0.002;
constexpr double PlatformFinalTravel = 0.001;
} // namespace

int halfStepsFor(double travel, double stepSize) {
    if (!(stepSize > 0))
        return 0;
    // A step size read from a hand-edited file may be absurdly small; stay within int.
    constexpr qint64 Largest = std::numeric_limits<int>::max();
    const double steps = std::min(travel / stepSize, double(Largest));
    return static_cast<int>(std::min(roundToInt(steps), Largest));
}

namespace {
// A move of the search, never beyond what the settings file takes.
int moveFor(double travel, double stepSize) {
    return std::min(halfStepsFor(travel, stepSize), MaxMoveHalfSteps);
}
} // namespace

void deriveKnifeMoves(AutoTestVariables& vars, double lrStepSize) {
    if (!(lrStepSize > 0))
        return;
    vars.LRSmMove = moveFor(KnifeSmallTravel, lrStepSize);
    vars.LRLgMove = moveFor(KnifeLargeTravel, lrStepSize);
}

void derivePlatformMoves(AutoTestVariables& vars, double stepSize) {
    if (!(stepSize > 0))
        return;
    vars.TFOblateMove = moveFor(PlatformForwardTravel, stepSize);
    vars.TFRoughMove = moveFor(PlatformAwayTravel, stepSize);
    vars.TFFinalMoves = moveFor(PlatformFinalTravel, stepSize);
}

void deriveMoves(AutoTestVariables& vars, double lrStepSize, double stepSize) {
    deriveKnifeMoves(vars, lrStepSize);
    derivePlatformMoves(vars, stepSize);
}

bool deriveMovesIfUnset(AutoTestVariables& vars, double lrStepSize, double stepSize) {
    if (vars.LRLgMove != 0)
        return false;
    deriveMoves(vars, lrStepSize, stepSize);
    return true;
}

} // namespace orvane
