#include "results/ExportValues.h"

#include <algorithm>

namespace orvane {

ExportValues convertedLengths(const MirrorData& mirror, const ZoneReadings& readings,
                              LengthUnit unit) {
    const auto convert = [unit](double& v) {
        v = unit == LengthUnit::Inches ? v / MillimetresPerInch : v * MillimetresPerInch;
    };
    ExportValues out{mirror, readings};
    convert(out.mirror.MirDiam);
    convert(out.mirror.Roc);
    convert(out.mirror.Obst);
    for (int zone = 0; zone <= MaxZones; ++zone) {
        for (int set = 0; set < MaxSets; ++set)
            convert(out.readings.at(zone, set));
    }
    return out;
}

int readingSets(int reps) {
    return std::clamp(reps, 0, MaxSets - 1) + 1;
}

} // namespace orvane
