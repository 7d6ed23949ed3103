#pragma once

#include "bench/FoucaultOptics.h"

#include <vector>

namespace orvane {

// The knife-plane crossing of every image radius for one knife plane, sampled over the squared
// pixel radius so a pixel needs no square root. A pixel at (dx, dy) pixels from the image's
// centre crosses the plane at x = crossingPerPixel(dx^2 + dy^2) * dx inches from the axis.
class CrossingTable {
  public:
    static constexpr int Samples = 2048;

    CrossingTable(const FoucaultOptics& optics, double plane, double imageRadius,
                  double inchesPerPixel);

    double plane() const { return plane_; }
    // The samples, and the sample index per squared pixel of radius, for a vector copy of
    // crossingPerPixel that must round exactly as it does.
    const float* samples() const { return values_.data(); }
    float indexPerSquare() const { return indexPerSquare_; }
    float crossingPerPixel(float radiusSquared) const {
        const float u = radiusSquared * indexPerSquare_;
        const int i = int(u);
        return values_[i] + (u - float(i)) * (values_[i + 1] - values_[i]);
    }

  private:
    double plane_;
    float indexPerSquare_;
    std::vector<float> values_; // one spare entry so the edge sample interpolates safely
};

} // namespace orvane
