#include "reduction/SetsReduction.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace orvane {

namespace {
constexpr double SingleReadingSdInches = 0.005;
constexpr double LowerPercentile = 0.10;
constexpr double UpperPercentile = 0.90;

double meanOf(const std::vector<double>& values) {
    return std::accumulate(values.begin(), values.end(), 0.0) / values.size();
}

SetReduction reducedSet(const ReductionSetup& setup, const std::vector<double>& readings) {
    return {readings, zonalReduction(setup, readings), surfaceProfile(setup, readings)};
}

// Each set moved so that its mean is the sets' common mean, removing its own offset.
std::vector<std::vector<double>> shiftedSets(const std::vector<std::vector<double>>& sets) {
    double common = 0;
    for (const auto& set : sets)
        common += meanOf(set) / sets.size();
    std::vector<std::vector<double>> shifted;
    for (const auto& set : sets) {
        const double shift = common - meanOf(set);
        std::vector<double> moved;
        for (double reading : set)
            moved.push_back(reading + shift);
        shifted.push_back(moved);
    }
    return shifted;
}

std::vector<double> zoneMeans(const std::vector<std::vector<double>>& sets) {
    std::vector<double> means(sets.front().size(), 0.0);
    for (const auto& set : sets) {
        for (size_t i = 0; i < set.size(); ++i)
            means[i] += set[i] / sets.size();
    }
    return means;
}

std::vector<double> zoneDeviations(const std::vector<std::vector<double>>& sets,
                                   const std::vector<double>& means) {
    std::vector<double> deviations;
    for (size_t i = 0; i < means.size(); ++i) {
        double squares = 0;
        for (const auto& set : sets)
            squares += (set[i] - means[i]) * (set[i] - means[i]);
        deviations.push_back(std::sqrt(squares / (sets.size() - 1)));
    }
    return deviations;
}

Limits limits(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const auto at = [&](double fraction) {
        const double position = fraction * (values.size() - 1);
        const size_t below = size_t(position);
        const size_t above = std::min(below + 1, values.size() - 1);
        if (std::isinf(values[below]) || std::isinf(values[above]))
            return values[below];
        return values[below] + (position - below) * (values[above] - values[below]);
    };
    return {at(LowerPercentile), at(UpperPercentile)};
}

// The mean set's zones drawn at random about their means with the spread a mean of this many
// sets has, each draw reduced.
ReductionUncertainty monteCarlo(const Reduction& r, const ReductionOptions& options) {
    ReductionUncertainty u;
    u.draws = options.draws;
    const double sets = double(r.sets.size());
    if (r.spreadSd.empty()) {
        const double single = r.input.readingSd > 0
                                  ? r.input.readingSd
                                  : SingleReadingSdInches * nanometresPerUnit(MirrorUnits::Inches) /
                                        r.setup.nanometres;
        u.zoneSd.assign(r.mean.readings.size(), single);
    } else {
        for (double sd : r.spreadSd)
            u.zoneSd.push_back(sd / std::sqrt(sets));
    }
    std::mt19937_64 generator(options.seed);
    std::normal_distribution<double> normal;
    std::vector<double> rms, strehl, n;
    std::vector<double> drawn(r.mean.readings.size());
    for (int draw = 0; draw < options.draws; ++draw) {
        for (size_t i = 0; i < drawn.size(); ++i)
            drawn[i] = r.mean.readings[i] + u.zoneSd[i] * normal(generator);
        const SurfaceProfile profile = surfaceProfile(r.setup, drawn);
        rms.push_back(profile.surfaceRmsNm);
        strehl.push_back(profile.strehl());
        if (r.mean.zonal.edges)
            n.push_back(zonalReduction(r.setup, drawn).edges->oneOverN);
    }
    u.surfaceRmsNm = limits(rms);
    u.strehl = limits(strehl);
    if (!n.empty())
        u.oneOverN = limits(n);
    return u;
}
} // namespace

Reduction reduceReadings(const ReadingsInput& input, const ReductionOptions& options) {
    Reduction r;
    r.input = input;
    r.setup = reductionSetup(input, options.convention);
    for (const auto& set : input.sets)
        r.sets.push_back(reducedSet(r.setup, set));
    const auto shifted = shiftedSets(input.sets);
    r.mean = reducedSet(r.setup, zoneMeans(shifted));
    if (shifted.size() > 1)
        r.spreadSd = zoneDeviations(shifted, r.mean.readings);
    if (options.convention && input.edges.empty())
        r.notes << QStringLiteral("The zone radii are given without their edges, so they are "
                                  "used as they are, whatever the radius convention.");
    if (!r.mean.zonal.edges)
        r.notes << QStringLiteral("The zone edges are not known: the wavefront at the edges and "
                                  "the 1/N wave statement are left out.");
    if (options.draws > 0)
        r.uncertainty = monteCarlo(r, options);
    return r;
}

} // namespace orvane
