#pragma once

// The reduction of readings a reader accepted, as `orvane-cli reduce` runs it, with fewer
// Monte Carlo draws so that many inputs fit in a run.

#include "FuzzInput.h"
#include "reduction/ReadingsFile.h"
#include "reduction/ReductionJson.h"
#include "reduction/ReductionText.h"
#include "reduction/SetsReduction.h"

namespace orvane::fuzz {

inline void reduceAccepted(const ReadingsFileResult& read) {
    if (!read.input) {
        require(!read.error.isEmpty());
        return;
    }
    if (!refusalOf(*read.input).isEmpty())
        return;
    constexpr int Draws = 10;
    const Reduction reduction = reduceReadings(*read.input, {std::nullopt, Draws});
    require(!reductionText(reduction).isEmpty() && !reductionJson(reduction).isEmpty());
}

} // namespace orvane::fuzz
