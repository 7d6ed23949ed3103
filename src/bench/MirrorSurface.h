#pragma once

#include "bench/BenchConfig.h"

#include <vector>

namespace orvane {

// The mirror's face in its meridional plane: z(r) along the axis from the vertex towards the
// tester, the conic of the given radius of curvature plus a radial height error.
class MirrorSurface {
  public:
    MirrorSurface(const BenchConfig::Mirror& mirror);

    double height(double r) const;
    // dz/dr, which fixes the true normal.
    double slope(double r) const;

  private:
    double roc_;
    double conic_;
    double semiDiameter_;
    std::vector<SurfaceTerm> error_;
};

} // namespace orvane
