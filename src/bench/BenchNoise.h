#pragma once

#include <QtGlobal>
#include <random>
#include <vector>

namespace orvane {

// Reproducible camera noise, cheap enough for every pixel of every frame: a fixed pool of
// Gaussian samples drawn once from the seed, read from a different seeded offset each frame.
class BenchNoise {
  public:
    BenchNoise(quint64 seed, int pixelsPerFrame);

    // `pixelsPerFrame` unit Gaussian samples for the next frame.
    const float* nextFrame();

  private:
    static constexpr int PoolSize = 1 << 18;
    std::mt19937_64 random_;
    std::vector<float> pool_; // PoolSize samples, then the first frame's worth again
};

} // namespace orvane
