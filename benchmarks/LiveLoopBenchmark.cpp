// One live-loop pass on the simulated bench with a mirror loaded: jog check, grab a frame,
// track the edge, measure 16 zones, draw the overlay and the bars.
#include "analysis/ZoneGeometry.h"
#include "analysis/ZoneMeasurer.h"
#include "app/rig/StepperJogDrive.h"
#include "bench/SimulatedBench.h"
#include "capture/FrameMapping.h"
#include "core/EventPump.h"
#include "core/Settings.h"
#include "live/KeyState.h"
#include "live/LiveLoop.h"
#include "live/PictureStyle.h"

#include <QGuiApplication>
#include <array>
#include <benchmark/benchmark.h>

using namespace orvane;

namespace {
// A camera whose frames come ready made, as a real camera's do: eight of the bench's, handed
// out in turn, so that a pass costs what the program does with a frame and not what the
// simulator takes to draw a large one.
class ReadyFrames : public FrameSource {
  public:
    explicit ReadyFrames(SimulatedBench& bench) {
        for (QImage& frame : frames_)
            bench.grab(frame);
    }
    std::optional<QString> driverName(int) const override { return QStringLiteral("Ready"); }
    bool connectDriver(int) override { return true; }
    std::optional<DriverCaps> capabilities() const override { return DriverCaps{}; }
    bool grab(QImage& frame) override {
        frame = frames_[next_++ % frames_.size()];
        return true;
    }

  private:
    std::array<QImage, 8> frames_;
    std::size_t next_ = 0;
};

// The camera's frame is state.range(0) x state.range(1) pixels, the mirror 5/12 of its height
// across, centred; drawn by the bench at each grab, or ready made when state.range(2) is 1.
void BM_LiveLoopPassSixteenZonesTracking(benchmark::State& state) {
    Settings settings;
    ProgramState program;
    program.enterLive();
    program.setZonesReady(true);
    MirrorData mirror{.WorkFile = "Bench", .MirDiam = 6, .Obst = 1.5, .Roc = 48, .NZ = 16};
    const ZoneTable zones = computeZoneGeometry(mirror.MirDiam, mirror.Obst, mirror.NZ).table;
    ViewOptions view{.tracking = true};
    QString status;
    LiveDisplays displays;
    displays.zoneBars = QImage(640, 160, QImage::Format_RGB32);
    displays.speedGauge = QImage(40, 160, QImage::Format_RGB32);

    BenchConfig config;
    config.camera.width = int(state.range(0));
    config.camera.height = int(state.range(1));
    config.camera.centerX = config.camera.width / 2.0;
    config.camera.centerY = config.camera.height / 2.0;
    config.camera.radius = config.camera.height * 5 / 12.0;
    const double scale = FrameMapping::of(QSize(config.camera.width, config.camera.height)).scale;
    MirrorCircle circle{160, 120, int(config.camera.radius * scale)};
    SimulatedBench bench(config);
    bench.connectDriver(0);
    ReadyFrames ready(bench);
    FrameSource& camera = state.range(2) ? static_cast<FrameSource&>(ready) : bench;
    VirtualClock clock;
    StepperDriver driver(bench, settings.menus, clock, [] { return 136; });
    StepperJogDrive drive(driver);
    LatchedKeyState keys;
    CallbackEventPump pump;
    ZoneMeasurer measurer(clock);
    LiveLoop loop(LiveLoopState{program, settings, mirror, zones, circle, view, status, displays},
                  LiveLoopDevices{camera, drive, keys, clock, pump}, measurer);
    loop.start();
    for (auto _ : state) {
        clock.spinNs(33'333'333); // virtual time for the frame-rate meter
        loop.runPass();
        benchmark::DoNotOptimize(displays.liveView.constBits());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LiveLoopPassSixteenZonesTracking)
    ->Args({320, 240, 0})
    ->Args({1280, 720, 0})
    ->Args({1280, 720, 1})
    ->Args({1920, 1080, 0})
    ->Unit(benchmark::kMicrosecond);
} // namespace

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
