#include "bench/BenchNoise.h"

#include "bench/GreyPixel.h"

#include <cmath>
#include <numbers>
#include <random>

namespace orvane {

namespace {
constexpr int PoolSize = 1 << 16;
constexpr quint64 PoolSeed = 2;

// Uniform in (0, 1], never 0 so that the logarithm stays finite.
double uniform(std::mt19937_64& random) {
    return (double(random() >> 11) + 1) * 0x1.0p-53;
}

// PoolSize unit Gaussians, then the first MaxRow again so that a row never wraps. Box-Muller,
// written out so that the table is the same with any standard library.
const std::vector<float>& unitGaussians() {
    static const std::vector<float> pool = [] {
        std::vector<float> samples(PoolSize + BenchNoise::MaxRow);
        std::mt19937_64 random(PoolSeed);
        for (int i = 0; i < PoolSize; i += 2) {
            const double radius = std::sqrt(-2 * std::log(uniform(random)));
            const double angle = 2 * std::numbers::pi * uniform(random);
            samples[i] = float(radius * std::cos(angle));
            samples[i + 1] = float(radius * std::sin(angle));
        }
        std::copy_n(samples.begin(), BenchNoise::MaxRow, samples.begin() + PoolSize);
        return samples;
    }();
    return pool;
}

// SplitMix64: one multiply-xorshift chain per row is all the randomness a frame needs.
quint64 splitMix(quint64& state) {
    quint64 z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
} // namespace

BenchNoise::BenchNoise(quint64 seed, float background, float sigma) : state_(seed) {
    const std::vector<float>& unit = unitGaussians();
    levels_.resize(unit.size());
    backgrounds_.resize(unit.size());
    for (std::size_t i = 0; i < unit.size(); ++i) {
        levels_[i] = background + sigma * unit[i];
        backgrounds_[i] = greyPixel(levels_[i]);
    }
}

BenchNoise::Row BenchNoise::nextRow() {
    const auto offset = std::size_t(splitMix(state_) >> 48); // 16 bits: an offset in the pool
    static_assert(PoolSize == 1 << 16);
    return {levels_.data() + offset, backgrounds_.data() + offset};
}

} // namespace orvane
