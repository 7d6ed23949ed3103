#include "analysis/ZoneGeometry.h"

#include "core/NumberText.h"

#include <algorithm>
#include <cmath>

namespace orvane {

ZoneGeometry computeZoneGeometry(double MirDiam, double Obst, int zoneCount) {
    constexpr double Pi = 3.14159265358979;
    ZoneGeometry g;
    g.AreaRatio =
        static_cast<float>((Pi * std::pow(Obst / 2, 2)) / (Pi * std::pow(MirDiam / 2, 2)));
    const float a = g.AreaRatio;
    const float clearShare = 1.0f - a; // single precision on purpose: the table's last digits
    const int n = std::min(zoneCount, MaxZones);
    for (int i = 1; i <= n; ++i) {
        const double inner = std::sqrt((double(i - 1) / zoneCount) * clearShare + a);
        const double outer = std::sqrt((double(i) / zoneCount) * clearShare + a);
        const double m = static_cast<float>((outer + inner) / 2);
        const double h = static_cast<float>((outer - inner) / 2);
        g.table.innerFrac[i] = inner;
        g.table.outerFrac[i] = outer;
        g.table.centerFrac[i] = std::sqrt(h * h / 2 + m * m);
    }
    return g;
}

int perfectFactor(bool fixedSource) {
    return fixedSource ? 2 : 1;
}

double perfectNumber(const ZoneTable& table, int zone, double MirDiam, double Roc,
                     int PerfectFactor) {
    const double r = MirDiam / 2 * table.centerFrac[zone];
    const double r1 = MirDiam / 2 * table.centerFrac[1];
    return PerfectFactor * roundHalfEven((r * r - r1 * r1) / (2 * Roc), 3);
}

WindowColumns zoneWindowColumns(const MirrorCircle& circle, double centerFrac) {
    const double offset = circle.radius * centerFrac;
    return {static_cast<int>(roundToInt(circle.x - offset)),
            static_cast<int>(roundToInt(offset + circle.x))};
}

} // namespace orvane
