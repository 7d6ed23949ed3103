#pragma once

class QFont;
class QImage;
class QPainter;

namespace orvane {

// Geometry of the bar graphs for `zoneCount` zones on a picture: one W-wide slot per zone,
// bars T wide, standing on the line H - 5.
struct BarLayout {
    int W = 0;
    int T = 0;
    int H = 0;
};
BarLayout barLayout(const QImage& zoneBars, int zoneCount);

// The labels' font: the pictures' 8 points, smaller where the widest label would reach into the
// next zone's slot.
QFont barLabelFont(const BarLayout& layout, int zoneCount);

// Zone `zone`'s blue (left) and red (right) bars with their values, label and separator.
void drawZoneBars(QPainter& painter, const BarLayout& layout, int zone, int LZV, int RZV);

} // namespace orvane
