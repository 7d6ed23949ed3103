#pragma once

#include "core/AppState.h"

#include <QImage>

namespace orvane {

// What one tracking look at the mirror's edge found.
struct TrackOutcome {
    int column = 0;        // xs: the column where the top and bottom edges were searched
    int top = 0;           // top edge row (0 when none was found)
    int bottom = 0;        // bottom edge row
    int foundX = 0;        // X': centre column implied by the side edge
    int foundY = 0;        // Y': centre row implied by the top and bottom edges
    bool edgeSeen = false; // all three edges stood out from the dark; the circle holds otherwise
    bool moved = false;    // the circle moved halfway to (X', Y')
};

// Follows the mirror's edge on `frame` and nudges `circle` halfway towards it when the edge is
// within 3 pixels of where the circle says and bright enough to be seen; otherwise leaves it. The
// side edge is searched on the side away from the knife (left of the mirror when the knife is on
// the right).
TrackOutcome trackMirror(const QImage& frame, MirrorCircle& circle, bool KnifeRight);

} // namespace orvane
