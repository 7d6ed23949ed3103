#pragma once

#include "core/Settings.h"

namespace orvane {

// The search's move sizes are fixed lengths of travel (inches); these turn them into whole
// half-steps of the current step sizes. A step size that is not positive derives nothing.
// Nearest whole number of half-steps (halves to even) covering `travel`; 0 for a step size that
// is not positive.
int halfStepsFor(double travel, double stepSize);

// Each move at most MaxMoveHalfSteps, however fine the step.
void deriveKnifeMoves(AutoTestVariables& vars, double lrStepSize);
void derivePlatformMoves(AutoTestVariables& vars, double stepSize);
void deriveMoves(AutoTestVariables& vars, double lrStepSize, double stepSize);

// A large knife move of 0 means the moves were never set; returns whether they were derived.
bool deriveMovesIfUnset(AutoTestVariables& vars, double lrStepSize, double stepSize);

} // namespace orvane
