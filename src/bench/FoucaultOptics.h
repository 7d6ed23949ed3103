#pragma once

#include "bench/MirrorSurface.h"

namespace orvane {

// Rays of the Foucault tester in the meridional plane. Knife-plane positions are measured from
// the paraxial centre of curvature, positive away from the mirror; the source sits on the axis,
// at the paraxial centre when fixed, in the knife plane when it rides the platform.
class FoucaultOptics {
  public:
    explicit FoucaultOptics(const BenchConfig& config);

    // Where the ray reflected at pupil radius r crosses the knife plane, as a signed distance
    // from the axis along the same radius (negative: it has crossed the axis).
    double crossing(double r, double plane) const;
    // The knife plane at which rays from pupil radius r cross the axis.
    double trueNull(double r) const;

  private:
    struct Ray {
        double r, z;   // where it leaves the mirror
        double dr, dz; // its direction
    };
    Ray reflected(double r, double plane) const;

    MirrorSurface surface_;
    double roc_;
    bool fixedSource_;
    double smallestRadius_;
};

} // namespace orvane
