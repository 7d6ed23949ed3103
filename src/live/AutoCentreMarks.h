#pragma once

#include "analysis/AutoCentre.h"

namespace orvane {

// The magenta crosshair and circle of a result (radius taken as its magnitude).
void drawAutoCentreMarks(QImage& picture, const AutoCentreResult& result);

// Mouse-down on Picture1: auto centre-size on a still frame, which Picture1 then shows with the
// result marked on it (a failed grab leaves Picture1 as it was).
AutoCentreResult autoCentreAndMark(FrameSource& camera, QPointF click, MirrorCircle& circle,
                                   QImage& liveView);

} // namespace orvane
