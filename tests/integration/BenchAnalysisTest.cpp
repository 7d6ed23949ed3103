// The live image analysis on the simulated bench: the circle, tracking, and the zone windows at
// a true null.
#include "analysis/AutoCentre.h"
#include "analysis/Overlay.h"
#include "analysis/ZoneGeometry.h"
#include "analysis/ZoneMeasurer.h"
#include "app/core/EventPump.h"
#include "app/core/Settings.h"
#include "bench/SimulatedBench.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {

// The analysis's view of the main window, on one bench.
struct BenchAnalysis {
    explicit BenchAnalysis(const BenchConfig& config) : bench(config) {
        bench.connectDriver(0);
        settings.KnifeRight = config.knifeSide == KnifeSide::Right;
        settings.StepSize = config.motors.tfStep;
        settings.LRStepSize = config.motors.lrStep;
        mirror.WorkFile = "Demo6f4";
        mirror.MirDiam = config.mirror.diameter;
        mirror.Roc = config.mirror.roc;
        mirror.NZ = 5;
        zones = computeZoneGeometry(mirror.MirDiam, mirror.Obst, mirror.NZ).table;
        circle = MirrorCircle{int(config.camera.centerX), int(config.camera.centerY),
                              int(config.camera.radius)};
    }

    void measureFrames(int frames, bool tracking) {
        const QString status;
        for (int i = 0; i < frames; ++i) {
            ASSERT_TRUE(bench.grab(frame));
            measurer.measureZones(frame, {zones, mirror, settings, status, 0, tracking}, circle,
                                  displays, pump);
        }
    }

    SimulatedBench bench;
    Settings settings;
    MirrorData mirror;
    ZoneTable zones;
    MirrorCircle circle;
    LiveDisplays displays;
    VirtualClock clock;
    CallbackEventPump pump;
    ZoneMeasurer measurer{clock};
    QImage frame;
};

BenchConfig litBench(double cx, double cy, double radius) {
    BenchConfig config;
    config.camera.centerX = cx;
    config.camera.centerY = cy;
    config.camera.radius = radius;
    config.start.knifeOffset = 0.05; // well out of the beam: the whole mirror is lit
    return config;
}

TEST(BenchAnalysis, AClickNearTheCentreFindsTheBenchMirror) {
    const struct {
        BenchConfig config;
        QPointF click;
    } cases[] = {
        {litBench(160, 120, 100), {163, 118}},
        {litBench(150.5, 126.5, 90), {146, 130}},
        {litBench(172, 111, 70), {172, 111}},
    };
    for (const auto& c : cases) {
        SimulatedBench bench(c.config);
        ASSERT_TRUE(bench.connectDriver(0));
        MirrorCircle circle;
        QImage picture;
        const AutoCentreResult found = autoCentreFromCamera(bench, c.click, circle, picture);
        ASSERT_EQ(found.status, AutoCentreStatus::Accepted);
        const QPointF truth = bench.imageCenter();
        EXPECT_LE(std::abs(circle.x - truth.x()), 2) << truth.x();
        EXPECT_LE(std::abs(circle.y - truth.y()), 2) << truth.y();
        EXPECT_LE(std::abs(circle.radius - c.config.camera.radius), 2) << c.config.camera.radius;
    }
}

TEST(BenchAnalysis, TrackingFollowsADriftingMirrorOver200Frames) {
    for (const double knifeOffset : {0.01, 0.0}) { // lit, and the knife cutting
        BenchConfig config;
        config.start.knifeOffset = knifeOffset;
        config.camera.driftX = 0.1;
        config.camera.driftY = 0.1;
        BenchAnalysis a(config);
        double worst = 0;
        for (int frame = 0; frame < 200; ++frame) {
            a.measureFrames(1, true);
            const QPointF truth = a.bench.imageCenter();
            worst = std::max(
                {worst, std::abs(a.circle.x - truth.x()), std::abs(a.circle.y - truth.y())});
        }
        // 20 pixels of drift in all; without tracking the circle would be that far off.
        EXPECT_NEAR(a.bench.imageCenter().x(), 179.9, 1e-9);
        EXPECT_LE(worst, 3.0) << "knife offset " << knifeOffset;
        EXPECT_EQ(a.circle.radius, 100);
    }
}

TEST(BenchAnalysis, AtAZonesTrueNullItsTwoWindowsAgree) {
    const BenchConfig base;
    BenchAnalysis probe(base);
    const double inchesPerPixel = base.mirror.diameter / 2 / base.camera.radius;
    for (int zone = 1; zone <= 5; ++zone) {
        const WindowColumns columns = zoneWindowColumns(probe.circle, probe.zones.centerFrac[zone]);
        const double radius = (columns.right - columns.left) / 2.0 * inchesPerPixel;
        for (const double fromNull : {0.0, 0.01}) {
            BenchConfig config = base;
            config.start.knifeOffset = 0; // the edge on the axis: the knife cuts every zone
            config.start.platformOffset = probe.bench.trueNull(radius) + fromNull;
            BenchAnalysis a(config);
            a.measurer.setFramesToAverage(10);
            a.measureFrames(10, false);
            const int lzv = a.measurer.LZV(zone);
            const int rzv = a.measurer.RZV(zone);
            if (fromNull == 0) {
                EXPECT_LE(std::abs(lzv - rzv), 3) << "zone " << zone;
                // Half covered: neither dark nor bright.
                EXPECT_GT(lzv, 60) << "zone " << zone;
                EXPECT_LT(lzv, 180) << "zone " << zone;
            } else {
                // Past the null the knife darkens the left window first.
                EXPECT_GT(rzv - lzv, 10) << "zone " << zone;
            }
        }
    }
}

} // namespace
