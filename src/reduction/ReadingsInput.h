#pragma once

#include <QString>
#include <vector>

namespace orvane {

enum class MirrorUnits { Inches, Millimetres };
enum class TesterSource { Fixed, Moving };

inline constexpr double DefaultWavelengthNm = 550;

struct ReductionMirror {
    QString name;
    double diameter = 0;
    double obstruction = 0; // diameter of the central obstruction
    double roc = 0;         // vertex radius of curvature
    double conic = -1;      // target conic
    MirrorUnits units = MirrorUnits::Inches;
};

// Everything a reduction needs: the mirror, the tester, the zones and the reading sets, lengths
// in the mirror's unit. Readings rise as the knife moves away from the mirror; each set's offset
// is free.
struct ReadingsInput {
    ReductionMirror mirror;
    TesterSource source = TesterSource::Fixed;
    std::vector<double> edges; // n + 1 zone edges, or empty when only the radii are known
    std::vector<double> radii; // n zone radii, or empty: then they follow from the edges
    std::vector<std::vector<double>> sets; // a reading per zone in each set
    double wavelengthNm = DefaultWavelengthNm;
    double readingSd = 0; // spread of a single reading; 0: the usual 0.005 in (0.127 mm)
};

// Nanometres in one of the mirror's length units.
double nanometresPerUnit(MirrorUnits units);
QString unitName(MirrorUnits units);

int zoneCount(const ReadingsInput& input);

// Why `input` cannot be reduced, or an empty text when it can.
QString refusalOf(const ReadingsInput& input);

} // namespace orvane
