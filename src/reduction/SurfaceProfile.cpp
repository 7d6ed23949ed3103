#include "reduction/SurfaceProfile.h"

#include "reduction/BestFitConic.h"
#include "reduction/NaturalSpline.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <numeric>

namespace orvane {

namespace {
constexpr int Steps = 200;

// dz/dy of the surface whose knife reading at y is `knife` (from the vertex): the normal meets
// the axis there for a moving source; for a fixed source at the centre of curvature the
// reflected ray does.
double surfaceSlope(TesterSource source, double roc, double y, double z, double knife) {
    if (source == TesterSource::Moving)
        return y / (knife - z);
    const double toSource = std::hypot(roc - z, y);
    const double toKnife = std::hypot(knife - z, y);
    return y * (toKnife + toSource) / (toKnife * (roc - z) + toSource * (knife - z));
}

// Heights of the measured surface along `radius`, integrated by fourth-order Runge-Kutta from
// the target's height at the first radius.
std::vector<double> integratedSurface(const ReductionSetup& setup,
                                      const std::function<double(double)>& knife,
                                      const std::vector<double>& radius) {
    const auto slope = [&](double y, double z) {
        return surfaceSlope(setup.source, setup.target.roc, y, z, knife(y));
    };
    std::vector<double> z{setup.target.sag(radius.front())};
    for (size_t j = 1; j < radius.size(); ++j) {
        const double y = radius[j - 1];
        const double h = radius[j] - y;
        const double k1 = slope(y, z.back());
        const double k2 = slope(y + h / 2, z.back() + h / 2 * k1);
        const double k3 = slope(y + h / 2, z.back() + h / 2 * k2);
        const double k4 = slope(y + h, z.back() + h * k3);
        z.push_back(z.back() + h / 6 * (k1 + 2 * k2 + 2 * k3 + k4));
    }
    return z;
}

// Removes piston and r^2 by least squares weighted by area (r dr) and returns the weights.
std::vector<double> removePistonAndFocus(const std::vector<double>& radius,
                                         std::vector<double>& error) {
    const size_t n = radius.size();
    std::vector<double> weight(n);
    double s0 = 0, s1 = 0, s2 = 0, e0 = 0, e1 = 0;
    for (size_t j = 0; j < n; ++j) {
        const double dr = (radius[std::min(j + 1, n - 1)] - radius[j == 0 ? 0 : j - 1]) / 2;
        weight[j] = radius[j] * dr;
        const double t = radius[j] * radius[j];
        s0 += weight[j];
        s1 += weight[j] * t;
        s2 += weight[j] * t * t;
        e0 += weight[j] * error[j];
        e1 += weight[j] * error[j] * t;
    }
    const double determinant = s0 * s2 - s1 * s1;
    const double focus = (s0 * e1 - s1 * e0) / determinant;
    const double piston = (e0 - focus * s1) / s0;
    for (size_t j = 0; j < n; ++j)
        error[j] -= piston + focus * radius[j] * radius[j];
    return weight;
}
} // namespace

double SurfaceProfile::wavefrontRmsWaves() const {
    return 2 * surfaceRmsNm / wavelengthNm;
}

double SurfaceProfile::wavefrontPvWaves() const {
    return 2 * surfacePvNm / wavelengthNm;
}

double SurfaceProfile::strehl() const {
    const double phase = 2 * std::numbers::pi * wavefrontRmsWaves();
    return std::exp(-phase * phase);
}

SurfaceProfile surfaceProfile(const ReductionSetup& setup, const std::vector<double>& readings) {
    const Conic& target = setup.target;
    // The residuals from the target's exact readings, their mean taken out: the readings' own
    // offset only moves the reference sphere's centre, which the r^2 removal answers for.
    std::vector<double> residual;
    for (size_t i = 0; i < readings.size(); ++i)
        residual.push_back(readings[i] - target.reading(setup.radii[i], setup.source));
    const double offset = std::accumulate(residual.begin(), residual.end(), 0.0) / residual.size();
    for (double& r : residual)
        r -= offset;
    const NaturalSpline spline(setup.radii, residual);
    const auto knife = [&](double y) {
        return target.roc + target.reading(y, setup.source) + spline(y);
    };

    SurfaceProfile profile;
    profile.wavelengthNm = setup.wavelength * setup.nanometres;
    // Nothing is read inside the first zone edge, so the profile does not make it up there.
    const double inner =
        std::max(setup.obstruction / 2, setup.edges.empty() ? 0.0 : setup.edges.front());
    const double outer = setup.diameter / 2;
    for (int j = 0; j <= Steps; ++j)
        profile.radius.push_back(inner + (outer - inner) * j / Steps);
    const std::vector<double> z = integratedSurface(setup, knife, profile.radius);
    std::vector<double> error;
    for (size_t j = 0; j < z.size(); ++j)
        error.push_back(z[j] - target.sag(profile.radius[j]));
    const std::vector<double> weight = removePistonAndFocus(profile.radius, error);

    double squares = 0;
    for (size_t j = 0; j < error.size(); ++j) {
        squares += weight[j] * error[j] * error[j];
        profile.surfaceNm.push_back(error[j] * setup.nanometres);
    }
    profile.surfaceRmsNm =
        std::sqrt(squares / std::accumulate(weight.begin(), weight.end(), 0.0)) * setup.nanometres;
    const auto [low, high] =
        std::minmax_element(profile.surfaceNm.begin(), profile.surfaceNm.end());
    profile.surfacePvNm = *high - *low;
    profile.bestFitConic = bestFitConic(setup.radii, readings, target.roc, setup.source);
    return profile;
}

} // namespace orvane
