#include "bench/MirrorSurface.h"

#include <cmath>

namespace orvane {

namespace {
constexpr double InchesPerNanometre = 1.0 / 25.4e6;
}

MirrorSurface::MirrorSurface(const BenchConfig::Mirror& mirror)
    : roc_(mirror.roc), conic_(mirror.conic), semiDiameter_(mirror.diameter / 2),
      error_(mirror.surfaceError) {}

double MirrorSurface::height(double r) const {
    const double r2 = r * r;
    double z = r2 / (roc_ * (1 + std::sqrt(1 - (1 + conic_) * r2 / (roc_ * roc_))));
    const double f = r / semiDiameter_;
    for (const SurfaceTerm& term : error_)
        z += term.nanometres * InchesPerNanometre * std::pow(f, term.power);
    return z;
}

double MirrorSurface::slope(double r) const {
    double m = r / std::sqrt(roc_ * roc_ - (1 + conic_) * r * r);
    const double f = r / semiDiameter_;
    for (const SurfaceTerm& term : error_)
        m += term.nanometres * InchesPerNanometre * term.power * std::pow(f, term.power - 1) /
             semiDiameter_;
    return m;
}

} // namespace orvane
