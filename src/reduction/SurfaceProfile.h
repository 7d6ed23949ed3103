#pragma once

#include "reduction/ReductionSetup.h"

#include <vector>

namespace orvane {

// The mirror's surface error across the lit annulus, from one set of readings: its height above
// the target conic with piston and the best-fit r^2 removed (positive: glass to spare).
struct SurfaceProfile {
    std::vector<double> radius;    // in the mirror's unit, from the obstruction or first edge out
    std::vector<double> surfaceNm; // at each radius
    double surfaceRmsNm = 0;       // area-weighted over the annulus
    double surfacePvNm = 0;
    double wavelengthNm = 0;
    double bestFitConic = 0;

    // The wavefront is twice the surface.
    double wavefrontRmsWaves() const;
    double wavefrontPvWaves() const;
    double strehl() const;
};

SurfaceProfile surfaceProfile(const ReductionSetup& setup, const std::vector<double>& readings);

} // namespace orvane
