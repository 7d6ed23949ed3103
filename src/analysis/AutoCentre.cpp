#include "analysis/AutoCentre.h"

#include "analysis/PixelIntensity.h"
#include "capture/FrameSource.h"
#include "core/NumberText.h"

namespace orvane {

namespace {
constexpr int ScanLowLimit = 4;
constexpr int ScanRightLimit = 316;
constexpr int ScanBottomLimit = 232;
constexpr int NarrowHalfWidth = 110;
constexpr int WideColumnOffset = 30;

// Walks from `from` to `limit` (inclusive) by `step` along a row (horizontal) or a column and
// returns the position of the strongest step from bright (click side) to dark, or `edge` when
// no position has a positive contrast.
int scanEdge(const QImage& frame, bool horizontal, int fixed, int from, int limit, int step,
             int edge) {
    auto intensityAt = [&](int p) {
        return horizontal ? pixelIntensity(frame, p, fixed) : pixelIntensity(frame, fixed, p);
    };
    int best = 0;
    for (int p = from; step < 0 ? p >= limit : p <= limit; p += step) {
        int inside = 0;
        int outside = 0;
        for (int k = 0; k < 4; ++k) {
            inside += intensityAt(p - step * k);
            outside += intensityAt(p + step * k);
        }
        const int contrast = inside / 3 - outside / 3;
        if (contrast > best) {
            best = contrast;
            edge = p;
        }
    }
    return edge;
}

bool fitsSliders(const AutoCentreResult& r) {
    return r.cx >= MirXMin && r.cx <= MirXMax && r.cy >= MirYMin && r.cy <= MirYMax &&
           r.radius >= MirRadMin && r.radius <= MirRadMax;
}
} // namespace

AutoCentreResult autoCentreSize(const QImage& frame, QPointF click) {
    const int x0 = static_cast<int>(roundToInt(click.x()));
    const int y0 = static_cast<int>(roundToInt(click.y()));

    const int left = scanEdge(frame, true, y0, x0, ScanLowLimit, -1, 0);
    const int right = scanEdge(frame, true, y0, x0, ScanRightLimit, +1, 0);
    const int half = (right - left) / 2;
    const int column = half <= NarrowHalfWidth ? left + half : left + WideColumnOffset;

    const int top = scanEdge(frame, false, column, y0, ScanLowLimit, -1, 0);
    const int bottom = scanEdge(frame, false, column, y0, ScanBottomLimit, +1, 0);
    const int cy = top + (bottom - top) / 2;

    const int left2 = scanEdge(frame, true, cy, x0, ScanLowLimit, -1, left);
    const int right2 = scanEdge(frame, true, cy, x0, ScanRightLimit, +1, right);
    const int half2 = (right2 - left2) / 2;

    AutoCentreResult result{left2 + half2, cy, half2 - 1, AutoCentreStatus::Accepted};
    if (!fitsSliders(result))
        result.status = AutoCentreStatus::OutOfRange;
    return result;
}

AutoCentreResult autoCentreFromCamera(FrameSource& camera, QPointF click, MirrorCircle& circle,
                                      QImage& still) {
    QImage grabbed;
    if (!camera.grab(grabbed) || grabbed.isNull())
        return AutoCentreResult{circle.x, circle.y, circle.radius, AutoCentreStatus::NoFrame};
    still = std::move(grabbed);
    AutoCentreResult result = autoCentreSize(still, click);
    if (result.status == AutoCentreStatus::Accepted)
        circle = MirrorCircle{result.cx, result.cy, result.radius};
    return result;
}

} // namespace orvane
