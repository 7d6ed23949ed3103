#include "bench/CrossingMap.h"

#include <algorithm>
#include <cmath>
#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace orvane {

namespace {
#if defined(__x86_64__)
// Every platform step draws the map anew, so the eight pixels at a time gathering their table
// samples are worth it. The same operations in the same order as crossingPerPixel (and no fused
// multiply-adds), so the crossings are the same to the last bit. Returns the first pixel left.
__attribute__((target("avx2"))) int fillEightAtATime(const CrossingTable& crossings, float cx,
                                                     float dySquared, int first, int end,
                                                     float* x) {
    const float* samples = crossings.samples();
    const __m256 perSquare = _mm256_set1_ps(crossings.indexPerSquare());
    const __m256i lanes = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
    int px = first;
    for (; px + 8 <= end; px += 8, x += 8) {
        const __m256 column = _mm256_cvtepi32_ps(_mm256_add_epi32(_mm256_set1_epi32(px), lanes));
        const __m256 dx = _mm256_sub_ps(column, _mm256_set1_ps(cx));
        const __m256 u = _mm256_mul_ps(
            _mm256_add_ps(_mm256_mul_ps(dx, dx), _mm256_set1_ps(dySquared)), perSquare);
        const __m256i i = _mm256_cvttps_epi32(u);
        const __m256 low = _mm256_i32gather_ps(samples, i, 4);
        const __m256 high = _mm256_i32gather_ps(samples + 1, i, 4);
        const __m256 fraction = _mm256_sub_ps(u, _mm256_cvtepi32_ps(i));
        const __m256 perPixel =
            _mm256_add_ps(low, _mm256_mul_ps(fraction, _mm256_sub_ps(high, low)));
        _mm256_storeu_ps(x, _mm256_mul_ps(perPixel, dx));
    }
    return px;
}
#endif
} // namespace

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
        int px = chord.first;
#if defined(__x86_64__)
        if (__builtin_cpu_supports("avx2"))
            px = fillEightAtATime(crossings, cx, dySquared, chord.first, chord.end, x);
#endif
        for (x += px - chord.first; px < chord.end; ++px) {
            const float dx = float(px) - cx;
            *x++ = crossings.crossingPerPixel(dx * dx + dySquared) * dx;
        }
    }
}

} // namespace orvane
