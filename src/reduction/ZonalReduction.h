#pragma once

#include "reduction/ReductionSetup.h"

#include <optional>
#include <vector>

namespace orvane {

// One row of the hand reduction, lengths in the mirror's unit and fixed-source terms.
struct ZonalZone {
    double radius = 0;
    double lambdaC = 0;   // reading less the expected reading less C
    double ta = 0;        // transverse aberration at focus, r lambdaC / 2R
    double taOverRho = 0; // against the Airy radius; Millies-Lacroix asks |TA/rho| <= 1
    bool withinMilliesLacroix() const;
};

// The wavefront summed over the zone edges and its fit to the reference parabola.
struct EdgeWavefront {
    std::vector<double> edges;
    std::vector<double> wavefront; // at each edge, twice the surface; 0 at the first
    std::vector<double> deviation; // from the reference parabola
    double parabolaA = 0;          // reference a h^2 + c
    double parabolaC = 0;
    double oneOverN = 0;  // the wavelength over the largest deviation; infinite when none
    double worstEdge = 0; // the edge of the largest deviation
};

struct ZonalTable {
    double c = 0;   // the reading offset that balances the largest TA on either side
    double rho = 0; // Airy radius 1.22 lambda (R/2) / D
    std::vector<ZonalZone> zones;
    std::optional<EdgeWavefront> edges; // only with the zone edges known
    bool passesMilliesLacroix() const;
};

// The classic table of one set of readings. Like the hand reduction it compares the readings
// with the paraxial -K r^2/R, so it reproduces published sheets; the profile uses exact values.
ZonalTable zonalReduction(const ReductionSetup& setup, const std::vector<double>& readings);

} // namespace orvane
