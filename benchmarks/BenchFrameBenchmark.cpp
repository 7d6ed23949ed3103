#include "bench/SimulatedBench.h"

#include <benchmark/benchmark.h>

using namespace orvane;

namespace {
// The default bench, knife cutting near the 70 % zone's null: the usual live-loop frame.
SimulatedBench cuttingBench() {
    BenchConfig c;
    c.start.knifeOffset = -0.0008;
    c.start.platformOffset = 2.1 * 2.1 / (2 * c.mirror.roc);
    SimulatedBench bench(c);
    bench.connectDriver(0);
    return bench;
}

// One 320 x 240 frame with the platform standing still; items per second = frames per second.
void BM_BenchFrame(benchmark::State& state) {
    SimulatedBench bench = cuttingBench();
    QImage picture;
    for (auto _ : state) {
        bench.grab(picture);
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BenchFrame);

// A platform half-step before every frame, as during the search: the crossings are traced anew.
void BM_BenchFrameAfterPlatformStep(benchmark::State& state) {
    SimulatedBench bench = cuttingBench();
    constexpr quint8 Sequence[8] = {0x1, 0x3, 0x2, 0x6, 0x4, 0xC, 0x8, 0x9};
    int phase = 0;
    QImage picture;
    for (auto _ : state) {
        phase = (phase + 1) % 8;
        bench.writeData(quint8(0x01 | Sequence[phase] << 4));
        bench.grab(picture);
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BenchFrameAfterPlatformStep);
} // namespace

BENCHMARK_MAIN();
