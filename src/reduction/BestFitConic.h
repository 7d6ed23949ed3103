#pragma once

#include "reduction/ReadingsInput.h"

#include <vector>

namespace orvane {

// The conic K of the straight-line fit X = c0 - K r^2/R (fixed source) or c0 - K r^2/2R
// (moving source) to the readings, in least squares.
double paraxialConicFit(const std::vector<double>& radii, const std::vector<double>& readings,
                        double roc, TesterSource source);

// The conic whose exact readings fit these best in least squares, their offset free; refines
// the paraxial fit, which fast mirrors and a fixed source bias.
double bestFitConic(const std::vector<double>& radii, const std::vector<double>& readings,
                    double roc, TesterSource source);

} // namespace orvane
