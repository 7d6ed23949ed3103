#pragma once

#include "core/Settings.h"

namespace orvane::testkit {

// The first-run settings: 0.000125" half-steps on both axes, zone intensities 30 to 60.
inline Settings firstRunSettings() {
    return {.StepSize = 0.000125, .LRStepSize = 0.000125, .autoTest = {60, 30}};
}

// The search's tuning values with the moves derived from 0.000125" half-steps.
inline AutoTestVariables defaultSearchVariables() {
    AutoTestVariables v;
    v.Max = 70;
    v.Min = 40;
    v.LRSmMove = 1;
    v.LRLgMove = 6;
    v.TFOblateMove = 40;
    v.TFRoughMove = 16;
    v.TFFinalMoves = 8;
    return v;
}

} // namespace orvane::testkit
