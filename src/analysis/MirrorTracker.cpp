#include "analysis/MirrorTracker.h"

#include "analysis/PixelIntensity.h"
#include "core/NumberText.h"

#include <cmath>
#include <cstdlib>

namespace orvane {

namespace {
constexpr int SearchReach = 5;  // the edge is searched 5 pixels either side of its expected place
constexpr int DarkLimit = 200;  // the outside of an edge sums below this
constexpr int MaxShift = 3;     // farther jumps are taken as failures, not drift
constexpr double ChordAt = 0.7; // the edge column sits at 0.7 of the radius from the centre

int columnSum(const QImage& frame, int x, int y, int direction) {
    int sum = 0;
    for (int k = 0; k < 4; ++k)
        sum += pixelIntensity(frame, x, y + direction * k);
    return sum;
}

int rowSum(const QImage& frame, int x, int y, int direction) {
    int sum = 0;
    for (int k = 0; k < 4; ++k)
        sum += pixelIntensity(frame, x + direction * k, y);
    return sum;
}

int roundedInt(double v) {
    return static_cast<int>(roundToInt(v));
}
} // namespace

TrackOutcome trackMirror(const QImage& frame, MirrorCircle& circle, bool KnifeRight) {
    const int X = circle.x;
    const int Y = circle.y;
    const int Rp = circle.radius;
    const double v = std::sqrt(double(Rp) * Rp - std::pow(ChordAt * Rp, 2));

    TrackOutcome out;
    out.column = KnifeRight ? roundedInt(X - ChordAt * Rp) : roundedInt(X + ChordAt * Rp);
    const int xe = KnifeRight ? X - Rp : X + Rp;
    const int yt = roundedInt(Y - v);
    const int yb = roundedInt(v + Y);

    int bestTop = 0;
    int bestBottom = 0;
    for (int d = -SearchReach; d <= SearchReach; ++d) {
        const int a = columnSum(frame, out.column, yt + d, -1);
        const int b = columnSum(frame, out.column, yt + d, +1);
        if (b - a > bestTop && a < DarkLimit) {
            bestTop = b - a;
            out.top = yt + d;
        }
        const int c = columnSum(frame, out.column, yb + d, +1);
        const int e = columnSum(frame, out.column, yb + d, -1);
        if (e - c > bestBottom && c < DarkLimit) {
            bestBottom = e - c;
            out.bottom = yb + d;
        }
    }
    out.foundY = (out.bottom - out.top) / 2 + out.top + 1;

    int bestSide = 0;
    out.foundX = X;
    for (int d = -SearchReach; d <= SearchReach; ++d) {
        const int p = rowSum(frame, xe + d, out.foundY, +1);
        const int q = rowSum(frame, xe + d, out.foundY, -1);
        if (KnifeRight && p - q > bestSide && q < DarkLimit) {
            bestSide = p - q;
            out.foundX = xe + d + Rp + 2;
        } else if (!KnifeRight && q - p > bestSide && p < DarkLimit) {
            bestSide = q - p;
            out.foundX = xe + d - Rp - 2;
        }
    }

    if (std::abs(circle.y - out.foundY) <= MaxShift &&
        std::abs(circle.x - out.foundX) <= MaxShift) {
        circle.x = (circle.x + out.foundX) / 2;
        circle.y = (circle.y + out.foundY) / 2;
        out.moved = true;
    }
    return out;
}

} // namespace orvane
