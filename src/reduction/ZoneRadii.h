#pragma once

#include "reduction/ReadingsInput.h"

#include <optional>
#include <vector>

namespace orvane {

// Where in a zone between two edges its reading belongs.
enum class RadiusConvention {
    Mean,   // (h0 + h1) / 2
    Couder, // sqrt((h0^2 + h1^2) / 2)
    Carlin, // the average of the two
};

inline constexpr RadiusConvention DefaultRadiusConvention = RadiusConvention::Couder;

std::optional<RadiusConvention> radiusConventionNamed(const QString& name);
QString radiusConventionName(RadiusConvention convention);

std::vector<double> zoneRadiiFromEdges(const std::vector<double>& edges,
                                       RadiusConvention convention);

// The radii a reduction uses: the given radii unless a convention is asked for or none are
// given, then the edges' by that convention (Couder by default). Empty when neither is known.
std::vector<double> zoneRadii(const ReadingsInput& input,
                              std::optional<RadiusConvention> convention);

// The convention zoneRadii() applies, or none when it takes the given radii.
std::optional<RadiusConvention> appliedConvention(const ReadingsInput& input,
                                                  std::optional<RadiusConvention> convention);

} // namespace orvane
