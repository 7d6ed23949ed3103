#pragma once

#include "reduction/ConicReadings.h"
#include "reduction/ZoneRadii.h"

#include <optional>
#include <vector>

namespace orvane {

// The fixed facts one reading set is reduced against, lengths in the mirror's unit.
struct ReductionSetup {
    Conic target;
    TesterSource source = TesterSource::Fixed;
    double diameter = 0;
    double obstruction = 0;
    std::vector<double> edges; // empty when only the radii are known
    std::vector<double> radii;
    double wavelength = 0;                      // in the mirror's unit
    double nanometres = 1;                      // nanometres per unit
    std::optional<RadiusConvention> convention; // none: the radii were given
};

// The setup of a validated input, its radii by `convention` (see zoneRadii()).
ReductionSetup reductionSetup(const ReadingsInput& input,
                              std::optional<RadiusConvention> convention);

} // namespace orvane
