#pragma once

#include "core/AppState.h"

namespace orvane {

// The equal-area zones of a mirror, as fractions of its semi-diameter.
struct ZoneGeometry {
    ZoneTable table;
    float AreaRatio = 0; // the obstruction's share of the mirror's area
};

// Zones 1..zoneCount (at most MaxZones) between the obstruction's edge and the mirror's edge.
ZoneGeometry computeZoneGeometry(double MirDiam, double Obst, int zoneCount);

// 2 for a fixed light source (the light moves with the knife), 1 for a moving one.
int perfectFactor(bool fixedSource);

// The knife reading a paraboloid gives for zone i, relative to zone 1, in the mirror's unit.
double perfectNumber(const ZoneTable& table, int zone, double MirDiam, double Roc,
                     int PerfectFactor);

// The columns of a zone's left and right sampling windows, rounded halves to even.
struct WindowColumns {
    int left = 0;
    int right = 0;
};
WindowColumns zoneWindowColumns(const MirrorCircle& circle, double centerFrac);

} // namespace orvane
