#pragma once

#include "analysis/MirrorTracker.h"
#include "core/AppState.h"

class QPainter;

namespace orvane {

// Magenta crosshair through the circle's centre and the mirror circle itself.
void drawMirrorOutline(QPainter& painter, const MirrorCircle& circle);

// Cyan circle of the obstruction, scaled by whole pixels per length unit of the mirror.
void drawObstruction(QPainter& painter, const MirrorCircle& circle, const MirrorData& mirror);

// Magenta ticks at the unrounded columns of zone `zone`'s two sampling windows.
void drawZoneTicks(QPainter& painter, const MirrorCircle& circle, double centerFrac);

// "Tracking Failure!!!" when the circle stayed, and white rings at the two edge points.
void drawTrackMarks(QPainter& painter, const TrackOutcome& outcome);

} // namespace orvane
