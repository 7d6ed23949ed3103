#include "reduction/ConicReadings.h"

#include <cmath>

namespace orvane {

namespace {
double slope(const Conic& c, double y) {
    return y / std::sqrt(c.roc * c.roc - (1 + c.conic) * y * y);
}
} // namespace

double Conic::sag(double y) const {
    return y * y / (roc + std::sqrt(roc * roc - (1 + conic) * y * y));
}

bool Conic::reaches(double y) const {
    return roc * roc - (1 + conic) * y * y > 0;
}

double Conic::reading(double y, TesterSource source) const {
    const double z = sag(y);
    if (source == TesterSource::Moving)
        return z + std::sqrt(roc * roc - (1 + conic) * y * y) - roc;
    if (y == 0)
        return 0;
    // Reflect the ray from the source (on the axis at roc) about the unit normal (1, -z').
    const double zPrime = slope(*this, y);
    const double norm = std::hypot(1.0, zPrime);
    const double nz = 1 / norm;
    const double ny = -zPrime / norm;
    const double dz = z - roc;
    const double dy = y;
    const double along = dz * nz + dy * ny;
    const double rz = dz - 2 * along * nz;
    const double ry = dy - 2 * along * ny;
    return z - y / ry * rz - roc;
}

double Conic::paraxialFixedReading(double y) const {
    return -conic * y * y / roc;
}

double fixedSourceFactor(TesterSource source) {
    return source == TesterSource::Moving ? 2.0 : 1.0;
}

} // namespace orvane
