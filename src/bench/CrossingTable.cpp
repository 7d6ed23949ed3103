#include "bench/CrossingTable.h"

#include <cmath>

namespace orvane {

CrossingTable::CrossingTable(const FoucaultOptics& optics, double plane, double imageRadius,
                             double inchesPerPixel)
    : plane_(plane), indexPerSquare_(float(Samples / (imageRadius * imageRadius))),
      values_(Samples + 2) {
    for (int i = 0; i <= Samples; ++i) {
        const double radiusPixels = imageRadius * std::sqrt(double(i) / Samples);
        // At the centre the ratio is the limit just off the axis.
        const double r = std::max(radiusPixels, imageRadius * 1e-6) * inchesPerPixel;
        values_[i] = float(optics.crossing(r, plane) / r * inchesPerPixel);
    }
    values_[Samples + 1] = values_[Samples];
}

} // namespace orvane
