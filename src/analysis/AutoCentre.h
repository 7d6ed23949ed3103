#pragma once

#include "core/AppState.h"

#include <QImage>
#include <QPointF>

namespace orvane {

class FrameSource;

enum class AutoCentreStatus {
    Accepted,   // the circle was moved
    OutOfRange, // centre or radius outside the sliders' ranges: the old circle stays
    NoFrame,    // the camera gave no still frame: the old circle stays
};

// Centre and radius found by the edge scans around a click.
struct AutoCentreResult {
    int cx = 0;
    int cy = 0;
    int radius = 0;
    AutoCentreStatus status = AutoCentreStatus::OutOfRange;
};

// Slider ranges of MirX, MirY and MirRad.
inline constexpr int MirXMin = 1, MirXMax = 320;
inline constexpr int MirYMin = 1, MirYMax = 240;
inline constexpr int MirRadMin = 1, MirRadMax = 180;

// Finds the mirror's edges on `frame` (the camera's own, any size) around the click; the click
// and the result are in picture pixels. A result that does not
// fit the sliders is refused whole rather than clamped: a clamped circle would sit somewhere the
// scans never saw a mirror.
AutoCentreResult autoCentreSize(const QImage& frame, QPointF click);

// Grabs a still frame, puts its picture into `still`, scans the frame and, when the result is
// accepted, moves `circle`.
AutoCentreResult autoCentreFromCamera(FrameSource& camera, QPointF click, MirrorCircle& circle,
                                      QImage& still);

} // namespace orvane
