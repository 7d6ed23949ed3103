#include "analysis/AutoCentre.h"

#include "analysis/PixelIntensity.h"
#include "capture/FrameMapping.h"
#include "capture/FrameSource.h"
#include "core/NumberText.h"

#include <algorithm>

namespace orvane {

namespace {
// In picture pixels; on a larger frame each stands for `zoom` camera pixels.
constexpr int ScanMargin = 4;
constexpr int ScanBottomMargin = 8;
constexpr int NarrowHalfWidth = 110;
constexpr int WideColumnOffset = 30;
constexpr int ContrastLength = 4;

// Walks from `from` to `limit` (inclusive) by `step` along a row (horizontal) or a column and
// returns the position of the strongest step from bright (click side) to dark, or `edge` when
// no position has a positive contrast. Each side of the step sums `length` pixels.
int scanEdge(const QImage& frame, bool horizontal, int fixed, int from, int limit, int step,
             int edge, int length) {
    auto intensityAt = [&](int p) {
        return horizontal ? pixelIntensity(frame, p, fixed) : pixelIntensity(frame, fixed, p);
    };
    int best = 0;
    for (int p = from; step < 0 ? p >= limit : p <= limit; p += step) {
        int inside = 0;
        int outside = 0;
        for (int k = 0; k < length; ++k) {
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

int roundedInt(double v) {
    return static_cast<int>(roundToInt(v));
}
} // namespace

// The scans run on the camera's own pixels; what they find is told in picture pixels.
AutoCentreResult autoCentreSize(const QImage& frame, QPointF click) {
    const FrameMapping mapping = FrameMapping::of(frame.size());
    const int zoom = std::max(1, roundedInt(mapping.zoom()));
    const QPointF at = mapping.toCamera(click);
    const int x0 = roundedInt(at.x());
    const int y0 = roundedInt(at.y());
    const int low = ScanMargin * zoom;
    const int rightLimit = frame.width() - ScanMargin * zoom;
    const int bottomLimit = frame.height() - ScanBottomMargin * zoom;
    const int length = ContrastLength * zoom;
    auto across = [&](int row, int step, int edge) {
        return scanEdge(frame, true, row, x0, step < 0 ? low : rightLimit, step, edge, length);
    };
    auto down = [&](int column, int step) {
        return scanEdge(frame, false, column, y0, step < 0 ? low : bottomLimit, step, 0, length);
    };

    const int left = across(y0, -1, 0);
    const int right = across(y0, +1, 0);
    const int half = (right - left) / 2;
    const int column =
        half <= NarrowHalfWidth * zoom ? left + half : left + WideColumnOffset * zoom;

    const int top = down(column, -1);
    const int bottom = down(column, +1);
    const int cy = top + (bottom - top) / 2;

    const int left2 = across(cy, -1, left);
    const int right2 = across(cy, +1, right);
    const int half2 = (right2 - left2) / 2;

    const QPointF centre = mapping.toPicture(QPointF(left2 + half2, cy));
    AutoCentreResult result{roundedInt(centre.x()), roundedInt(centre.y()),
                            roundedInt(half2 * mapping.scale) - 1, AutoCentreStatus::Accepted};
    if (!fitsSliders(result))
        result.status = AutoCentreStatus::OutOfRange;
    return result;
}

AutoCentreResult autoCentreFromCamera(FrameSource& camera, QPointF click, MirrorCircle& circle,
                                      QImage& still) {
    QImage grabbed;
    if (!camera.grab(grabbed) || grabbed.isNull())
        return AutoCentreResult{circle.x, circle.y, circle.radius, AutoCentreStatus::NoFrame};
    AutoCentreResult result = autoCentreSize(grabbed, click);
    still = pictureOf(grabbed);
    if (result.status == AutoCentreStatus::Accepted)
        circle = MirrorCircle{result.cx, result.cy, result.radius};
    return result;
}

} // namespace orvane
