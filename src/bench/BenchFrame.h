#pragma once

#include "bench/BenchConfig.h"
#include "bench/BenchNoise.h"
#include "bench/CrossingMap.h"

#include <QImage>

namespace orvane {

// The blade as seen by the slit image: the uncovered part of an image centred `x` inches
// from the axis is clamp(offset + perInch * x, 0, 1).
struct KnifeRamp {
    float offset = 0;
    float perInch = 0;

    static KnifeRamp of(KnifeSide side, double edge, double slitWidth);
};

// Renders one greyscale frame of the camera's size (RGB32, R = G = B) of the mirror seen past the
// knife: gain times the uncovered part of each pixel's slit image, plus background and noise.
void renderBenchFrame(QImage& image, const CrossingMap& crossings, const KnifeRamp& knife,
                      const BenchConfig::Camera& camera, BenchNoise& noise);

} // namespace orvane
