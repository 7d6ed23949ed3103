#pragma once

#include "live/InstructionPage.h"

namespace orvane {

// The operator's first instructions, printed into Picture2 at the end of start-up: a heading in
// 16 points, then the steps in 12 points.
InstructionPage startupInstructions();

} // namespace orvane
