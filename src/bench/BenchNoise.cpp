#include "bench/BenchNoise.h"

#include <algorithm>
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
    std::copy_n(pool_.begin(), pixelsPerFrame, pool_.begin() + PoolSize);
}

const float* BenchNoise::nextFrame() {
    return pool_.data() + random_() % PoolSize;
}

} // namespace orvane
