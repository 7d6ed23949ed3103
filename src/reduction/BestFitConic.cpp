#include "reduction/BestFitConic.h"

#include "reduction/ConicReadings.h"

#include <cmath>
#include <numeric>

namespace orvane {

namespace {
constexpr int Refinements = 6;
constexpr double ConicStep = 1e-4;

std::vector<double> centred(std::vector<double> values) {
    const double mean = std::accumulate(values.begin(), values.end(), 0.0) / values.size();
    for (double& v : values)
        v -= mean;
    return values;
}

// The conic's exact readings at the radii, their mean removed; empty where it has no surface.
std::vector<double> conicReadings(const std::vector<double>& radii, double roc, double conic,
                                  TesterSource source) {
    const Conic mirror{roc, conic};
    std::vector<double> readings;
    for (double r : radii) {
        if (!mirror.reaches(r))
            return {};
        readings.push_back(mirror.reading(r, source));
    }
    return centred(readings);
}
} // namespace

double paraxialConicFit(const std::vector<double>& radii, const std::vector<double>& readings,
                        double roc, TesterSource source) {
    std::vector<double> squares;
    for (double r : radii)
        squares.push_back(r * r);
    const std::vector<double> x = centred(squares);
    const std::vector<double> y = centred(readings);
    const double slope = std::inner_product(x.begin(), x.end(), y.begin(), 0.0) /
                         std::inner_product(x.begin(), x.end(), x.begin(), 0.0);
    return -slope * roc * fixedSourceFactor(source);
}

double bestFitConic(const std::vector<double>& radii, const std::vector<double>& readings,
                    double roc, TesterSource source) {
    const std::vector<double> measured = centred(readings);
    double conic = paraxialConicFit(radii, readings, roc, source);
    // Gauss-Newton in the one unknown; the model is nearly linear in K, so a few steps settle it.
    for (int i = 0; i < Refinements; ++i) {
        const auto model = conicReadings(radii, roc, conic, source);
        const auto nearby = conicReadings(radii, roc, conic + ConicStep, source);
        if (model.empty() || nearby.empty())
            break;
        double numerator = 0;
        double denominator = 0;
        for (size_t k = 0; k < model.size(); ++k) {
            const double derivative = (nearby[k] - model[k]) / ConicStep;
            numerator += derivative * (measured[k] - model[k]);
            denominator += derivative * derivative;
        }
        if (denominator <= 0)
            break;
        conic += numerator / denominator;
    }
    return conic;
}

} // namespace orvane
