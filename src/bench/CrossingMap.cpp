#include "bench/CrossingMap.h"

#include <algorithm>
#include <cmath>

namespace orvane {

CrossingMap::CrossingMap(const CrossingTable& crossings, QPointF center, double radius, QSize frame)
    : plane_(crossings.plane()), center_(center) {
    const int width = frame.width();
    const float radiusSquared = float(radius * radius);
    const float cx = float(center.x());
    std::size_t pixels = 0;
    for (int py = 0; py < frame.height(); ++py) {
        const float dy = float(center.y() - py);
        const float halfChord = std::sqrt(std::max(radiusSquared - dy * dy, -1.0f));
        Chord chord{width, width, pixels};
        if (halfChord >= 0) {
            chord.first = std::clamp(int(std::ceil(cx - halfChord)), 0, width);
            chord.end = std::clamp(int(std::floor(cx + halfChord)) + 1, chord.first, width);
        }
        chords_.push_back(chord);
        pixels += std::size_t(chord.end - chord.first);
    }
    crossings_.resize(pixels);
    for (int py = 0; py < frame.height(); ++py) {
        const float dy = float(center.y() - py);
        const float dySquared = dy * dy;
        const Chord& chord = chords_[std::size_t(py)];
        float* x = crossings_.data() + chord.start;
        for (int px = chord.first; px < chord.end; ++px) {
            const float dx = float(px) - cx;
            *x++ = crossings.crossingPerPixel(dx * dx + dySquared) * dx;
        }
    }
}

} // namespace orvane
