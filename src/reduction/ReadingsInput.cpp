#include "reduction/ReadingsInput.h"

#include "core/AppState.h"
#include "reduction/BestFitConic.h"
#include "reduction/ConicReadings.h"
#include "reduction/ZoneRadii.h"

#include <cmath>

namespace orvane {

namespace {
// How far past the target's fitted conic readings may fall with the radius: a mirror is at
// worst a sphere or a mild oblate ellipsoid when parabolizing, while readings entered from the
// wrong end mirror the target's conic across zero.
constexpr double WrongDirectionMargin = 1.5;
constexpr double WrongDirectionFloor = 0.5;

QString number(double value) {
    return QString::number(value);
}

QString notFinite(const ReadingsInput& input) {
    const ReductionMirror& m = input.mirror;
    const std::pair<double, QString> values[] = {
        {m.diameter, QStringLiteral("The mirror's diameter")},
        {m.obstruction, QStringLiteral("The obstruction")},
        {m.roc, QStringLiteral("The radius of curvature")},
        {m.conic, QStringLiteral("The conic")},
        {input.wavelengthNm, QStringLiteral("The wavelength")},
        {input.readingSd, QStringLiteral("The reading deviation")}};
    for (const auto& [value, name] : values) {
        if (!std::isfinite(value))
            return name;
    }
    for (size_t i = 0; i < input.edges.size(); ++i) {
        if (!std::isfinite(input.edges[i]))
            return QStringLiteral("Zone edge %1").arg(i);
    }
    for (size_t i = 0; i < input.radii.size(); ++i) {
        if (!std::isfinite(input.radii[i]))
            return QStringLiteral("The radius of zone %1").arg(i + 1);
    }
    for (size_t s = 0; s < input.sets.size(); ++s) {
        for (size_t i = 0; i < input.sets[s].size(); ++i) {
            if (!std::isfinite(input.sets[s][i]))
                return QStringLiteral("Reading %1 of set %2").arg(i + 1).arg(s + 1);
        }
    }
    return {};
}

QString mirrorRefusal(const ReadingsInput& input) {
    const ReductionMirror& m = input.mirror;
    if (m.diameter <= 0 || m.roc <= 0)
        return QStringLiteral("The mirror's diameter and radius of curvature must be positive.");
    if (m.obstruction < 0 || m.obstruction >= m.diameter)
        return QStringLiteral("The central obstruction must be from 0 up to less than the "
                              "mirror's diameter.");
    if (m.roc <= m.diameter / 2)
        return QStringLiteral("The radius of curvature, %1, must be more than the mirror's "
                              "semi-diameter, %2.")
            .arg(number(m.roc), number(m.diameter / 2));
    if (!Conic{m.roc, m.conic}.reaches(m.diameter / 2))
        return QStringLiteral("A conic of %1 with a radius of curvature of %2 has no surface at "
                              "the mirror's edge.")
            .arg(number(m.conic), number(m.roc));
    if (input.wavelengthNm <= 0)
        return QStringLiteral("The wavelength must be a positive number of nanometres.");
    if (input.readingSd < 0)
        return QStringLiteral("The reading deviation must not be negative.");
    return {};
}

// Edges count from 0 (the inner edge of zone 1), radii from 1 like their zones.
QString increasingRefusal(const std::vector<double>& values, const QString& plural,
                          const QString& one, int first) {
    for (size_t i = 1; i < values.size(); ++i) {
        if (values[i] <= values[i - 1])
            return QStringLiteral("The %1 must increase outward, but %2 %3 (%4) is not beyond "
                                  "%2 %5 (%6).")
                .arg(plural, one)
                .arg(first + int(i))
                .arg(number(values[i]))
                .arg(first + int(i) - 1)
                .arg(number(values[i - 1]));
    }
    return {};
}

QString zonesRefusal(const ReadingsInput& input) {
    const int zones = zoneCount(input);
    if (!input.edges.empty() && !input.radii.empty() &&
        input.edges.size() != input.radii.size() + 1)
        return QStringLiteral("There are %1 zone edges for %2 zone radii; n zones have n + 1 "
                              "edges.")
            .arg(input.edges.size())
            .arg(input.radii.size());
    if (zones < 2)
        return QStringLiteral("At least 2 zones are needed for a reduction; there are %1.")
            .arg(std::max(zones, 0));
    if (zones > MaxZones)
        return QStringLiteral("At most %1 zones can be reduced, as a test takes them; there are "
                              "%2.")
            .arg(MaxZones)
            .arg(zones);
    QString refusal =
        increasingRefusal(input.edges, QStringLiteral("zone edges"), QStringLiteral("edge"), 0);
    if (refusal.isEmpty())
        refusal = increasingRefusal(input.radii, QStringLiteral("zone radii"),
                                    QStringLiteral("radius"), 1);
    if (!refusal.isEmpty())
        return refusal;
    const double edge = input.mirror.diameter / 2;
    for (double h : input.edges) {
        if (h < 0 || h > edge)
            return QStringLiteral("A zone lies outside the mirror: its edge %1 is not within the "
                                  "mirror's radius %2.")
                .arg(number(h), number(edge));
    }
    // The mean radius lies innermost of the conventions.
    std::vector<double> radii = zoneRadiiFromEdges(input.edges, RadiusConvention::Mean);
    radii.insert(radii.end(), input.radii.begin(), input.radii.end());
    const double hole = input.mirror.obstruction / 2;
    for (double r : radii) {
        if (r <= hole || r > edge)
            return QStringLiteral("A zone lies outside the mirror: its radius %1 is not between "
                                  "the obstruction's %2 and the mirror's %3.")
                .arg(number(r), number(hole), number(edge));
    }
    return {};
}

QString readingsRefusal(const ReadingsInput& input) {
    const size_t zones = size_t(zoneCount(input));
    if (input.sets.empty())
        return QStringLiteral("There are no readings.");
    if (input.sets.size() > size_t(MaxSets))
        return QStringLiteral("At most %1 sets of readings can be reduced, as a test takes them; "
                              "there are %2.")
            .arg(MaxSets)
            .arg(input.sets.size());
    for (size_t s = 0; s < input.sets.size(); ++s) {
        if (input.sets[s].size() != zones)
            return QStringLiteral("Set %1 has %2 readings for %3 zones.")
                .arg(s + 1)
                .arg(input.sets[s].size())
                .arg(zones);
    }
    std::vector<double> mean(zones, 0.0);
    for (const auto& set : input.sets) {
        for (size_t i = 0; i < zones; ++i)
            mean[i] += set[i] / input.sets.size();
    }
    const double conic =
        paraxialConicFit(zoneRadii(input, std::nullopt), mean, input.mirror.roc, input.source);
    if (conic > WrongDirectionFloor && conic > input.mirror.conic + WrongDirectionMargin)
        return QStringLiteral("The readings fall with the radius as no mirror near a conic of %1 "
                              "would (they fit a conic of %2): readings entered in the wrong "
                              "direction?")
            .arg(number(input.mirror.conic), number(std::round(conic * 100) / 100));
    return {};
}
} // namespace

double nanometresPerUnit(MirrorUnits units) {
    return units == MirrorUnits::Inches ? 25.4e6 : 1e6;
}

QString unitName(MirrorUnits units) {
    return units == MirrorUnits::Inches ? QStringLiteral("in") : QStringLiteral("mm");
}

int zoneCount(const ReadingsInput& input) {
    return input.radii.empty() ? int(input.edges.size()) - 1 : int(input.radii.size());
}

QString refusalOf(const ReadingsInput& input) {
    const QString unreadable = notFinite(input);
    if (!unreadable.isEmpty())
        return QStringLiteral("%1 is not a finite number.").arg(unreadable);
    for (const QString& refusal : {mirrorRefusal(input), zonesRefusal(input)}) {
        if (!refusal.isEmpty())
            return refusal;
    }
    return readingsRefusal(input);
}

} // namespace orvane
