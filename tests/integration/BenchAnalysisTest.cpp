// The live image analysis on the simulated bench: auto centre-size and tracking.
#include "analysis/AutoCentre.h"
#include "analysis/ZoneGeometry.h"
#include "analysis/ZoneMeasurer.h"
#include "bench/SimulatedBench.h"
#include "motion/StepperDriver.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {

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
        EXPECT_LE(std::max({std::abs(circle.x - truth.x()), std::abs(circle.y - truth.y()),
                            std::abs(circle.radius - c.config.camera.radius)}),
                  2)
            << circle.x << "," << circle.y << " " << circle.radius;
    }
}

TEST(BenchAnalysis, TrackingFollowsADriftingMirrorOver200Frames) {
    for (const double knifeOffset : {0.01, 0.0}) { // lit, and the knife cutting
        BenchConfig config;
        config.start.knifeOffset = knifeOffset;
        config.camera.driftX = config.camera.driftY = 0.1;
        SimulatedBench bench(config);
        ASSERT_TRUE(bench.connectDriver(0));
        const ZoneTable zones = computeZoneGeometry(6, 0, 5).table;
        const MeasureInputs in{
            .zones = zones, .zoneCount = 5, .tracking = true, .KnifeRight = true};
        MirrorCircle circle{160, 120, 100};
        VirtualClock clock;
        ZoneMeasurer measurer(clock);
        QImage frame;
        double worst = 0;
        for (int i = 0; i < 200; ++i) {
            ASSERT_TRUE(bench.grab(frame));
            measurer.measureZones(frame, in, circle);
            const QPointF truth = bench.imageCenter();
            worst =
                std::max({worst, std::abs(circle.x - truth.x()), std::abs(circle.y - truth.y())});
        }
        // 20 pixels of drift in all; without tracking the circle would be that far off.
        EXPECT_NEAR(bench.imageCenter().x(), 179.9, 1e-9);
        EXPECT_LE(worst, 3.0) << "knife offset " << knifeOffset;
        EXPECT_EQ(circle.radius, 100);
    }
}

TEST(BenchAnalysis, TrackingHoldsWhileTheKnifeDarkensTheMirrorAndFollowsItWhenLitAgain) {
    BenchConfig config;
    config.camera.driftX = config.camera.driftY = 0.003;
    SimulatedBench bench(config);
    ASSERT_TRUE(bench.connectDriver(0));
    PlatformMenus menus;
    VirtualClock clock;
    StepperDriver driver(bench, menus, clock, [] { return 1; });
    driver.writeMotorOutput();
    const ZoneTable zones = computeZoneGeometry(6, 0, 5).table;
    const MeasureInputs in{.zones = zones, .zoneCount = 5, .tracking = true, .KnifeRight = true};
    MirrorCircle circle{160, 120, 100};
    ZoneMeasurer measurer(clock);
    QImage frame;
    double darkest = 255;
    for (int direction : {-1, +1}) { // fully in across the axis, then back out
        for (int step = 0; step < 400; ++step) {
            driver.stepKnife(direction);
            ASSERT_TRUE(bench.grab(frame));
            darkest = std::min(darkest, qGray(frame.pixel(160, 120)) * 1.0);
            measurer.measureZones(frame, in, circle);
        }
    }
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(bench.grab(frame));
        measurer.measureZones(frame, in, circle);
    }
    const QPointF truth = bench.imageCenter();
    EXPECT_LT(darkest, 40); // the knife did cut the light off
    EXPECT_LE(std::max(std::abs(circle.x - truth.x()), std::abs(circle.y - truth.y())), 3.0)
        << circle.x << "," << circle.y << " truth " << truth.x() << "," << truth.y();
}

} // namespace
