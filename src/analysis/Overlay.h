#pragma once

#include "core/AppState.h"

class QPainter;

namespace orvane {

// Magenta crosshair through the circle's centre and the mirror circle itself.
void drawMirrorOutline(QPainter& painter, const MirrorCircle& circle);

// Cyan circle of the obstruction, scaled by whole pixels per length unit of the mirror.
void drawObstruction(QPainter& painter, const MirrorCircle& circle, const MirrorData& mirror);

// Magenta ticks at the unrounded columns of zone `zone`'s two sampling windows.
void drawZoneTicks(QPainter& painter, const MirrorCircle& circle, double centerFrac);

// The columns of a zone's left and right sampling windows, rounded halves to even.
struct WindowColumns {
    int left = 0;
    int right = 0;
};
WindowColumns zoneWindowColumns(const MirrorCircle& circle, double centerFrac);

} // namespace orvane
