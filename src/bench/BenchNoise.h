#pragma once

#include "bench/BenchConfig.h"

#include <QRgb>
#include <QtGlobal>
#include <vector>

namespace orvane {

// Reproducible camera noise, cheap enough for every pixel of every frame and for a bench made
// for a single frame: one table of unit Gaussian samples shared by every bench, each row of each
// frame reading it from an offset the seed's generator picks.
class BenchNoise {
  public:
    // The longest row a frame may ask for.
    static constexpr int MaxRow = MaxFrameSide;

    // The samples scale by `sigma` around `background` grey levels.
    BenchNoise(quint64 seed, float background, float sigma);

    struct Row {
        const float* levels;     // background + sigma * sample, for pixels with light added
        const QRgb* backgrounds; // the same levels as grey pixels, for pixels without
    };
    // MaxRow samples for the next row.
    Row nextRow();

  private:
    quint64 state_;
    std::vector<float> levels_;
    std::vector<QRgb> backgrounds_;
};

} // namespace orvane
