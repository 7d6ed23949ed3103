#include "reduction/ReductionSetup.h"

namespace orvane {

ReductionSetup reductionSetup(const ReadingsInput& input,
                              std::optional<RadiusConvention> convention) {
    const ReductionMirror& m = input.mirror;
    const double nanometres = nanometresPerUnit(m.units);
    return {Conic{m.roc, m.conic},
            input.source,
            m.diameter,
            m.obstruction,
            input.edges,
            zoneRadii(input, convention),
            input.wavelengthNm / nanometres,
            nanometres,
            appliedConvention(input, convention)};
}

} // namespace orvane
