#include "bench/FoucaultOptics.h"

#include <cmath>

namespace orvane {

namespace {
// At the very centre every ray returns along the axis; the paraxial limit is taken just off it.
constexpr double CentreFraction = 1e-6;
constexpr int MaxSecantSteps = 60;
} // namespace

FoucaultOptics::FoucaultOptics(const BenchConfig& config)
    : surface_(config.mirror), roc_(config.mirror.roc), fixedSource_(config.source.fixed),
      smallestRadius_(config.mirror.diameter / 2 * CentreFraction) {}

FoucaultOptics::Ray FoucaultOptics::reflected(double r, double plane) const {
    const double z = surface_.height(r);
    const double sourceZ = roc_ + (fixedSource_ ? 0.0 : plane);
    const double m = surface_.slope(r);
    const double norm = std::sqrt(1 + m * m);
    const double nr = -m / norm; // unit normal, facing the tester
    const double nz = 1 / norm;
    const double ir = r; // incoming, from the source to the mirror point
    const double iz = z - sourceZ;
    const double dot = ir * nr + iz * nz;
    return {r, z, ir - 2 * dot * nr, iz - 2 * dot * nz};
}

double FoucaultOptics::crossing(double r, double plane) const {
    const Ray ray = reflected(r, plane);
    const double t = (roc_ + plane - ray.z) / ray.dz;
    return ray.r + t * ray.dr;
}

double FoucaultOptics::trueNull(double r) const {
    r = std::max(std::fabs(r), smallestRadius_);
    if (fixedSource_) {
        const Ray ray = reflected(r, 0);
        return ray.z + (-ray.r / ray.dr) * ray.dz - roc_;
    }
    // The source moves with the plane, so the crossing is solved for as the plane moves.
    double a = 0;
    double b = r * r / (2 * roc_);
    double fa = crossing(r, a);
    double fb = crossing(r, b);
    for (int i = 0; i < MaxSecantSteps && fb != fa && b != a; ++i) {
        const double next = b - fb * (b - a) / (fb - fa);
        a = b;
        fa = fb;
        b = next;
        fb = crossing(r, b);
    }
    return b;
}

} // namespace orvane
