#include "reduction/TestReadings.h"

#include <algorithm>

namespace orvane {

ReadingsInput testReadings(const MirrorData& mirror, const ZoneTable& zones,
                           const ZoneReadings& readings, int sets, bool fixedSource, bool metric) {
    ReadingsInput input;
    input.mirror = {mirror.WorkFile, mirror.MirDiam,
                    mirror.Obst,     mirror.Roc,
                    mirror.CC,       metric ? MirrorUnits::Millimetres : MirrorUnits::Inches};
    input.source = fixedSource ? TesterSource::Fixed : TesterSource::Moving;
    const int zoneCount = std::clamp(mirror.NZ, 0, MaxZones);
    const double semiDiameter = mirror.MirDiam / 2;
    if (zoneCount > 0)
        input.edges.push_back(semiDiameter * zones.innerFrac[1]);
    // The zone table's single precision can put the rim a hair beyond the mirror's edge.
    for (int zone = 1; zone <= zoneCount; ++zone) {
        input.edges.push_back(std::min(semiDiameter * zones.outerFrac[zone], semiDiameter));
        input.radii.push_back(semiDiameter * zones.centerFrac[zone]);
    }
    for (int set = 0; set < std::clamp(sets, 1, MaxSets); ++set) {
        std::vector<double> values;
        for (int zone = 1; zone <= zoneCount; ++zone)
            values.push_back(readings.at(zone, set));
        input.sets.push_back(values);
    }
    return input;
}

} // namespace orvane
