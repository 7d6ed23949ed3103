#include "analysis/MirrorTracker.h"

#include "analysis/PixelIntensity.h"
#include "capture/FrameMapping.h"
#include "core/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orvane {

namespace {
// In picture pixels; on a larger frame each stands for `zoom` camera pixels.
constexpr int SearchReach = 5;  // the edge is searched 5 pixels either side of its expected place
constexpr int DarkLimit = 200;  // the outside of an edge sums below this
constexpr int MaxShift = 3;     // farther jumps are taken as failures, not drift
constexpr double ChordAt = 0.7; // the edge column sits at 0.7 of the radius from the centre
constexpr int SumLength = 4;
// An edge must step up by 40 grey levels a pixel over the four summed; a mirror the knife has
// darkened shows only noise, which would walk the circle away.
constexpr int MinEdgeStep = SumLength * 40;

int roundedInt(double v) {
    return static_cast<int>(roundToInt(v));
}

// Edge sums of 4 picture pixels' length, `zoom` camera pixels each, scaled back to picture
// levels so the dark limit means the same on any frame.
struct EdgeSums {
    const QImage& frame;
    int zoom;

    int along(int x, int y, int dx, int dy) const {
        int sum = 0;
        for (int k = 0; k < SumLength * zoom; ++k)
            sum += pixelIntensity(frame, x + dx * k, y + dy * k);
        return sum / zoom;
    }
    int column(int x, int y, int direction) const { return along(x, y, 0, direction); }
    int row(int x, int y, int direction) const { return along(x, y, direction, 0); }
};
} // namespace

TrackOutcome trackMirror(const QImage& frame, MirrorCircle& circle, bool KnifeRight) {
    const FrameMapping mapping = FrameMapping::of(frame.size());
    const int zoom = std::max(1, roundedInt(mapping.zoom()));
    const QPointF centre = mapping.toCamera(QPointF(circle.x, circle.y));
    const double X = centre.x();
    const double Y = centre.y();
    const double Rp = circle.radius * mapping.zoom();
    const double v = std::sqrt(Rp * Rp - std::pow(ChordAt * Rp, 2));
    const EdgeSums sums{frame, zoom};

    // Searched in camera pixels, told in picture pixels.
    const int column = KnifeRight ? roundedInt(X - ChordAt * Rp) : roundedInt(X + ChordAt * Rp);
    const int xe = roundedInt(KnifeRight ? X - Rp : X + Rp);
    const int yt = roundedInt(Y - v);
    const int yb = roundedInt(v + Y);
    const int reach = SearchReach * zoom;

    int top = 0;
    int bottom = 0;
    int bestTop = 0;
    int bestBottom = 0;
    for (int d = -reach; d <= reach; ++d) {
        const int a = sums.column(column, yt + d, -1);
        const int b = sums.column(column, yt + d, +1);
        if (b - a > bestTop && a < DarkLimit) {
            bestTop = b - a;
            top = yt + d;
        }
        const int c = sums.column(column, yb + d, +1);
        const int e = sums.column(column, yb + d, -1);
        if (e - c > bestBottom && c < DarkLimit) {
            bestBottom = e - c;
            bottom = yb + d;
        }
    }
    const int foundY = (bottom - top) / 2 + top + zoom;

    int bestSide = 0;
    int foundX = roundedInt(X);
    const int across = roundedInt(Rp) + 2 * zoom;
    for (int d = -reach; d <= reach; ++d) {
        const int p = sums.row(xe + d, foundY, +1);
        const int q = sums.row(xe + d, foundY, -1);
        if (KnifeRight && p - q > bestSide && q < DarkLimit) {
            bestSide = p - q;
            foundX = xe + d + across;
        } else if (!KnifeRight && q - p > bestSide && p < DarkLimit) {
            bestSide = q - p;
            foundX = xe + d - across;
        }
    }

    auto toPicture = [&](int x, int y) {
        const QPointF p = mapping.toPicture(QPointF(x, y));
        return QPoint(roundedInt(p.x()), roundedInt(p.y()));
    };
    TrackOutcome out;
    out.column = toPicture(column, 0).x();
    out.top = top == 0 ? 0 : toPicture(0, top).y();
    out.bottom = bottom == 0 ? 0 : toPicture(0, bottom).y();
    const QPoint found = toPicture(foundX, foundY);
    out.foundX = found.x();
    out.foundY = found.y();
    out.edgeSeen = std::min({bestTop, bestBottom, bestSide}) >= MinEdgeStep;
    if (out.edgeSeen && std::abs(circle.y - out.foundY) <= MaxShift &&
        std::abs(circle.x - out.foundX) <= MaxShift) {
        circle.x = (circle.x + out.foundX) / 2;
        circle.y = (circle.y + out.foundY) / 2;
        out.moved = true;
    }
    return out;
}

} // namespace orvane
