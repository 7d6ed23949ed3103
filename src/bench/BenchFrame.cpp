#include "bench/BenchFrame.h"

#include "bench/GreyPixel.h"

#include <algorithm>

namespace orvane {

KnifeRamp KnifeRamp::of(KnifeSide side, double edge, double slitWidth) {
    // Right blade: what lies left of the edge shows; left blade: what lies right of it.
    if (side == KnifeSide::Right)
        return {float((edge + slitWidth / 2) / slitWidth), float(-1 / slitWidth)};
    return {float((slitWidth / 2 - edge) / slitWidth), float(1 / slitWidth)};
}

// An AVX2 copy where the processor has it: besides doing twice the pixels per instruction, its
// VEX-coded instructions escape the penalty that older SSE code pays after a library (Qt's
// drawing, the C library's copies) has left the wide registers' upper halves in use.
#if defined(__x86_64__)
__attribute__((target_clones("avx2", "default")))
#endif
void renderBenchFrame(QImage& image, const CrossingMap& crossings, const KnifeRamp& knife,
                      const BenchConfig::Camera& camera, BenchNoise& noise) {
    const int width = camera.width;
    const int height = camera.height;
    if (image.size() != QSize(width, height) || image.format() != QImage::Format_RGB32)
        image = QImage(width, height, QImage::Format_RGB32);
    const float gain = float(camera.gain);
    for (int py = 0; py < height; ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        const BenchNoise::Row samples = noise.nextRow();
        const CrossingMap::Row chord = crossings.row(py);
        // Off the mirror the noisy background alone, ready made.
        std::copy_n(samples.backgrounds, chord.first, line);
        std::copy_n(samples.backgrounds + chord.end, width - chord.end, line + chord.end);
        QRgb* mirror = line + chord.first;
        const float* levels = samples.levels + chord.first;
        for (int i = 0; i < chord.end - chord.first; ++i) {
            const float lit = limit(knife.offset + knife.perInch * chord.crossings[i], 0.0f, 1.0f);
            mirror[i] = greyPixel(gain * lit + levels[i]);
        }
    }
}

} // namespace orvane
