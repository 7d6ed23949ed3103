// One live-loop pass with a mirror loaded: grab a 320 x 240 frame of a lit disc, track the
// edge, measure 16 zones, draw the overlay and the bars.
#include "AnalysisFakes.h"
#include "analysis/LiveLoop.h"
#include "analysis/PictureStyle.h"
#include "analysis/ZoneGeometry.h"
#include "analysis/ZoneMeasurer.h"
#include "app/core/Clock.h"
#include "app/core/EventPump.h"
#include "app/core/Settings.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

using namespace orvane;

static void BM_LiveLoopPassSixteenZonesTracking(benchmark::State& state) {
    Settings settings;
    settings.StepSize = 0.000125;
    RunFlags flags;
    flags.Manual = true;
    flags.ZoneOn = true;
    MirrorData mirror;
    mirror.WorkFile = "Bench";
    mirror.MirDiam = 10;
    mirror.Obst = 2;
    mirror.NZ = 16;
    mirror.Roc = 100;
    const ZoneTable zones = computeZoneGeometry(mirror.MirDiam, mirror.Obst, mirror.NZ).table;
    MirrorCircle circle{160, 120, 100};
    ViewOptions view;
    view.tracking = true;
    QString status;
    LiveDisplays displays;
    clearPicture(displays.picture2, QSize(640, 160));
    clearPicture(displays.picture3, QSize(40, 160));

    testkit::ScriptedFrameSource camera;
    camera.frames.push_back(testkit::discFrame(160, 120, 100));
    testkit::FakeJogDrive drive;
    testkit::HeldKeys keys;
    VirtualClock clock;
    CallbackEventPump pump([&] { clock.spinNs(1); });
    ZoneMeasurer measurer(clock);
    LiveLoop loop(LiveLoopState{flags, settings, mirror, zones, circle, view, status, displays},
                  LiveLoopDevices{camera, drive, keys, clock, pump}, measurer);
    loop.start();
    for (auto _ : state) {
        loop.runPass();
        benchmark::DoNotOptimize(displays.picture1.constBits());
    }
    state.counters["passes_per_s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LiveLoopPassSixteenZonesTracking)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    // Text drawing needs a font database, so a (display-less) GUI application must exist.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
