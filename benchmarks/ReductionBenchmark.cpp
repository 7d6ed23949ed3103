#include "reduction/SetsReduction.h"

#include <benchmark/benchmark.h>
#include <cmath>

using namespace orvane;

namespace {
// A 16-zone equal-area 10 in f/5 record, four moving-source sets with a turned edge and a little
// noise of their own: the largest record the program saves.
ReadingsInput sixteenZonesFourSets() {
    ReadingsInput input;
    input.mirror = {QStringLiteral("Bench"), 10, 2, 100, -1, MirrorUnits::Inches};
    input.source = TesterSource::Moving;
    const double inner = 1, outer = 5;
    for (int i = 0; i <= 16; ++i)
        input.edges.push_back(std::sqrt(inner * inner + (outer * outer - inner * inner) * i / 16));
    for (int set = 0; set < 4; ++set) {
        std::vector<double> readings;
        for (int i = 0; i < 16; ++i) {
            const double r = (input.edges[size_t(i)] + input.edges[size_t(i) + 1]) / 2;
            const double turnedEdge = r > 4.5 ? 0.01 * (r - 4.5) : 0;
            readings.push_back(r * r / 200 + turnedEdge + 0.001 * std::sin(7.0 * i + set) + set);
        }
        input.sets.push_back(readings);
    }
    return input;
}

// The whole reduction: every set, the mean and the 500-draw Monte Carlo. Target: under 0.2 s.
void BM_ReduceSixteenZonesFourSets(benchmark::State& state) {
    const ReadingsInput input = sixteenZonesFourSets();
    for (auto _ : state) {
        const Reduction r = reduceReadings(input);
        benchmark::DoNotOptimize(r.uncertainty.surfaceRmsNm.high);
    }
}
BENCHMARK(BM_ReduceSixteenZonesFourSets)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
