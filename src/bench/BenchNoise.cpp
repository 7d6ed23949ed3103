#include "bench/BenchNoise.h"

#include <cmath>
#include <numbers>

namespace orvane {

namespace {
// Uniform in (0, 1], never 0 so that the logarithm stays finite.
double uniform(std::mt19937_64& random) {
    return (double(random() >> 11) + 1) * 0x1.0p-53;
}
} // namespace

BenchNoise::BenchNoise(quint64 seed, int pixelsPerFrame)
    : random_(seed), pool_(PoolSize + pixelsPerFrame) {
    // Box-Muller, written out so that a seed gives the same frames with any standard library.
    for (int i = 0; i < PoolSize; i += 2) {
        const double radius = std::sqrt(-2 * std::log(uniform(random_)));
        const double angle = 2 * std::numbers::pi * uniform(random_);
        pool_[i] = float(radius * std::cos(angle));
        pool_[i + 1] = float(radius * std::sin(angle));
    }
    // A frame larger than the pool reads it round more than once.
    for (int i = 0; i < pixelsPerFrame; ++i)
        pool_[PoolSize + i] = pool_[i % PoolSize];
}

const float* BenchNoise::nextFrame() {
    return pool_.data() + random_() % PoolSize;
}

} // namespace orvane
