#include "reduction/ZoneRadii.h"

#include <cmath>

namespace orvane {

namespace {
double zoneRadius(double inner, double outer, RadiusConvention convention) {
    const double mean = (inner + outer) / 2;
    const double couder = std::sqrt((inner * inner + outer * outer) / 2);
    switch (convention) {
    case RadiusConvention::Mean:
        return mean;
    case RadiusConvention::Couder:
        return couder;
    case RadiusConvention::Carlin:
        break;
    }
    return (mean + couder) / 2;
}
} // namespace

std::optional<RadiusConvention> radiusConventionNamed(const QString& name) {
    for (RadiusConvention c :
         {RadiusConvention::Mean, RadiusConvention::Couder, RadiusConvention::Carlin}) {
        if (name.compare(radiusConventionName(c), Qt::CaseInsensitive) == 0)
            return c;
    }
    return std::nullopt;
}

QString radiusConventionName(RadiusConvention convention) {
    switch (convention) {
    case RadiusConvention::Mean:
        return QStringLiteral("mean");
    case RadiusConvention::Couder:
        return QStringLiteral("couder");
    case RadiusConvention::Carlin:
        break;
    }
    return QStringLiteral("carlin");
}

std::vector<double> zoneRadiiFromEdges(const std::vector<double>& edges,
                                       RadiusConvention convention) {
    std::vector<double> radii;
    for (size_t i = 1; i < edges.size(); ++i)
        radii.push_back(zoneRadius(edges[i - 1], edges[i], convention));
    return radii;
}

std::optional<RadiusConvention> appliedConvention(const ReadingsInput& input,
                                                  std::optional<RadiusConvention> convention) {
    if (input.edges.empty() || (!convention && !input.radii.empty()))
        return std::nullopt;
    return convention.value_or(DefaultRadiusConvention);
}

std::vector<double> zoneRadii(const ReadingsInput& input,
                              std::optional<RadiusConvention> convention) {
    const auto applied = appliedConvention(input, convention);
    return applied ? zoneRadiiFromEdges(input.edges, *applied) : input.radii;
}

} // namespace orvane
