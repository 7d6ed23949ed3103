#include "bench/BenchFrame.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {
// Compiled without signed zeros and NaNs (see CMakeLists.txt), this becomes branch-free
// min/max instructions: it runs for every pixel, where mispredicted branches cost more than
// the arithmetic.
float limit(float value, float low, float high) {
    return std::min(std::max(value, low), high);
}

quint32 greyPixel(float level) {
    const int grey = int(limit(level, 0.0f, 255.0f) + 0.5f);
    return 0xFF000000u | quint32(grey) * 0x010101u;
}
} // namespace

KnifeRamp KnifeRamp::of(KnifeSide side, double edge, double slitWidth) {
    // Right blade: what lies left of the edge shows; left blade: what lies right of it.
    if (side == KnifeSide::Right)
        return {float((edge + slitWidth / 2) / slitWidth), float(-1 / slitWidth)};
    return {float((slitWidth / 2 - edge) / slitWidth), float(1 / slitWidth)};
}

void renderBenchFrame(QImage& image, const CrossingTable& crossings, const KnifeRamp& knife,
                      QPointF center, const BenchConfig::Camera& camera, BenchNoise& noise) {
    const int width = camera.width;
    const int height = camera.height;
    if (image.size() != QSize(width, height) || image.format() != QImage::Format_RGB32)
        image = QImage(width, height, QImage::Format_RGB32);
    const float radiusSquared = float(camera.radius * camera.radius);
    const float gain = float(camera.gain);
    const float background = float(camera.background);
    const float sigma = float(camera.noise);
    const float cx = float(center.x());
    const float* samples = noise.nextFrame();
    for (int py = 0; py < height; ++py, samples += width) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        const float dy = float(center.y() - py);
        const float dySquared = dy * dy;
        // The row's chord across the mirror's image: [first, end).
        const float halfChord = std::sqrt(std::max(radiusSquared - dySquared, -1.0f));
        int first = width;
        int end = width;
        if (halfChord >= 0) {
            first = std::clamp(int(std::ceil(cx - halfChord)), 0, width);
            end = std::clamp(int(std::floor(cx + halfChord)) + 1, first, width);
        }
        for (int px = 0; px < first; ++px)
            line[px] = greyPixel(background + sigma * samples[px]);
        for (int px = first; px < end; ++px) {
            const float dx = float(px) - cx;
            const float x = crossings.crossingPerPixel(dx * dx + dySquared) * dx;
            const float lit = limit(knife.offset + knife.perInch * x, 0.0f, 1.0f);
            line[px] = greyPixel(gain * lit + background + sigma * samples[px]);
        }
        for (int px = end; px < width; ++px)
            line[px] = greyPixel(background + sigma * samples[px]);
    }
}

} // namespace orvane
