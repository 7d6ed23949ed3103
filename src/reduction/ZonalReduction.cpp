#include "reduction/ZonalReduction.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane {

namespace {
constexpr double AiryFactor = 1.22;
constexpr double SideTolerance = 1e-12;

double largestTa(const std::vector<double>& weights, const std::vector<double>& differences,
                 double c) {
    double largest = 0;
    for (size_t i = 0; i < weights.size(); ++i)
        largest = std::max(largest, std::abs(weights[i] * (differences[i] - c)));
    return largest;
}

// The C that minimises the largest |TA|: at the optimum two zones' TA are equal and opposite,
// so it is one of the pairs' balancing values.
double balancingOffset(const std::vector<double>& weights, const std::vector<double>& differences) {
    double best = differences.front();
    double bestLargest = largestTa(weights, differences, best);
    for (size_t i = 0; i < weights.size(); ++i) {
        for (size_t j = i + 1; j < weights.size(); ++j) {
            const double c = (weights[i] * differences[i] + weights[j] * differences[j]) /
                             (weights[i] + weights[j]);
            const double largest = largestTa(weights, differences, c);
            if (largest < bestLargest) {
                best = c;
                bestLargest = largest;
            }
        }
    }
    return best;
}

std::vector<double> deviations(const EdgeWavefront& w, double a, double c) {
    std::vector<double> d;
    for (size_t k = 0; k < w.edges.size(); ++k)
        d.push_back(w.wavefront[k] - (a * w.edges[k] * w.edges[k] + c));
    return d;
}

double largestMagnitude(const std::vector<double>& values) {
    double largest = 0;
    for (double v : values)
        largest = std::max(largest, std::abs(v));
    return largest;
}

// The parabola a h^2 + c through two edge points with all others on one side of it, of the
// smallest largest deviation.
void fitReferenceParabola(EdgeWavefront& w) {
    const double tolerance = SideTolerance * (largestMagnitude(w.wavefront) + 1e-300);
    double bestLargest = std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < w.edges.size(); ++i) {
        for (size_t j = i + 1; j < w.edges.size(); ++j) {
            const double ti = w.edges[i] * w.edges[i];
            const double a = (w.wavefront[j] - w.wavefront[i]) / (w.edges[j] * w.edges[j] - ti);
            const double c = w.wavefront[i] - a * ti;
            std::vector<double> d = deviations(w, a, c);
            d[i] = d[j] = 0;
            const bool above =
                std::all_of(d.begin(), d.end(), [&](double v) { return v >= -tolerance; });
            const bool below =
                std::all_of(d.begin(), d.end(), [&](double v) { return v <= tolerance; });
            const double largest = largestMagnitude(d);
            if ((above || below) && largest < bestLargest) {
                bestLargest = largest;
                w.parabolaA = a;
                w.parabolaC = c;
                w.deviation = d;
            }
        }
    }
}

EdgeWavefront edgeWavefront(const ReductionSetup& setup, const std::vector<ZonalZone>& zones) {
    EdgeWavefront w;
    w.edges = setup.edges;
    w.wavefront = {0.0};
    w.deviation.assign(w.edges.size(), 0.0);
    // Each zone's slope is held across it; a zone focusing short is high towards its outer edge.
    for (size_t k = 0; k < zones.size(); ++k) {
        const double slope = -2 * zones[k].ta / setup.target.roc;
        w.wavefront.push_back(w.wavefront.back() + slope * (w.edges[k + 1] - w.edges[k]));
    }
    fitReferenceParabola(w);
    const auto worst =
        std::max_element(w.deviation.begin(), w.deviation.end(),
                         [](double a, double b) { return std::abs(a) < std::abs(b); });
    w.worstEdge = w.edges[size_t(worst - w.deviation.begin())];
    w.oneOverN =
        *worst == 0 ? std::numeric_limits<double>::infinity() : setup.wavelength / std::abs(*worst);
    return w;
}
} // namespace

bool ZonalZone::withinMilliesLacroix() const {
    return std::abs(taOverRho) <= 1;
}

bool ZonalTable::passesMilliesLacroix() const {
    return std::all_of(zones.begin(), zones.end(),
                       [](const ZonalZone& z) { return z.withinMilliesLacroix(); });
}

ZonalTable zonalReduction(const ReductionSetup& setup, const std::vector<double>& readings) {
    const double roc = setup.target.roc;
    std::vector<double> weights;
    std::vector<double> differences;
    for (size_t i = 0; i < setup.radii.size(); ++i) {
        const double r = setup.radii[i];
        weights.push_back(r / (2 * roc));
        differences.push_back(readings[i] * fixedSourceFactor(setup.source) -
                              setup.target.paraxialFixedReading(r));
    }
    ZonalTable table;
    table.c = balancingOffset(weights, differences);
    table.rho = AiryFactor * setup.wavelength * (roc / 2) / setup.diameter;
    for (size_t i = 0; i < setup.radii.size(); ++i) {
        const double lambdaC = differences[i] - table.c;
        const double ta = weights[i] * lambdaC;
        table.zones.push_back({setup.radii[i], lambdaC, ta, ta / table.rho});
    }
    if (setup.edges.size() == setup.radii.size() + 1)
        table.edges = edgeWavefront(setup, table.zones);
    return table;
}

} // namespace orvane
