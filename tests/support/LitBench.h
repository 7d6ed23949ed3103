#pragma once

#include "bench/SimulatedBench.h"

namespace orvane::testkit {

// The simulated bench with its knife backed right out, counting its frames: a lit disc of
// radius 100 at (160, 120), grey 228 on 8.
struct LitBench : SimulatedBench {
    LitBench() : SimulatedBench(config()) { connectDriver(0); }
    static BenchConfig config() {
        BenchConfig c;
        c.camera.noise = 0;
        c.start.knifeOffset = 1;
        return c;
    }
    bool grab(QImage& picture) override { return ++grabs, SimulatedBench::grab(picture); }
    int grabs = 0;
};

} // namespace orvane::testkit
