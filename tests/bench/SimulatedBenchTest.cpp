#include "bench/SimulatedBench.h"
#include "bench/FoucaultOptics.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace orvane;

namespace {
constexpr double Gain = 220;
constexpr double Background = 8;

// Mean grey level of both 1 x 7 windows (rows 117..123) of the zone at `fraction` over eight
// frames.
std::pair<double, double> readWindows(SimulatedBench& bench, double fraction) {
    std::pair<double, double> sum;
    QImage picture;
    for (int i = 0; i < 8 * 7; ++i) {
        if (i % 7 == 0) {
            EXPECT_TRUE(bench.grab(picture));
        }
        const auto [left, right] = bench.zoneWindowColumns(fraction);
        sum.first += qRed(picture.pixel(left, 117 + i % 7)) / 56.0;
        sum.second += qRed(picture.pixel(right, 117 + i % 7)) / 56.0;
    }
    return sum;
}

// A bench with the knife plane `beyond` inches past the true null of the zone at `fraction`,
// the knife's edge leaving 30 % of a slit image centred on the axis uncovered.
SimulatedBench benchNearNull(KnifeSide side, double fraction, double beyond) {
    BenchConfig c;
    c.knifeSide = side;
    c.start.knifeOffset = (side == KnifeSide::Right ? -0.2 : 0.2) * c.source.slitWidth;
    const SimulatedBench probe(c);
    // The pupil radius (inches) that the zone's window columns really sample.
    const double r = (probe.zoneWindowColumns(fraction).second - 160) * 3.0 / 100;
    c.start.platformOffset = probe.trueNull(r) + beyond;
    SimulatedBench bench(c);
    bench.connectDriver(0);
    return bench;
}
} // namespace

// The normals of a conic of constant K meet the axis -K r^2 / 2R beyond the centre of curvature;
// a fixed source doubles that. A sphere has one null for every zone.
TEST(FoucaultOptics, ZoneNullsAreMinusKRSquaredOverTwoRAndRaysCrossTheAxisThere) {
    for (double conic : {-1.0, -0.5, 0.0}) {
        for (bool fixed : {false, true}) {
            BenchConfig c; // 6 inch, R = 48
            std::tie(c.mirror.conic, c.source.fixed) = std::tuple(conic, fixed);
            const FoucaultOptics optics(c);
            for (double r : {0.0, 1.2332, 1.9211, 2.4107, 2.8164, -3.0}) {
                const double expected = (fixed ? 2 : 1) * -conic * r * r / (2 * 48);
                EXPECT_NEAR(optics.trueNull(r), expected, 0.005 * std::abs(expected) + 1e-12)
                    << "K " << conic << " fixed " << fixed << " r " << r;
            }
        }
    }
    const FoucaultOptics optics(BenchConfig{}); // a paraboloid, moving source
    EXPECT_NEAR(optics.trueNull(3), 9 / 96.0, 1e-10);
    // Beyond the null the ray has crossed the axis. Source and knife move together, so the
    // image moves twice as far: 2 * 0.01 * r / R.
    EXPECT_NEAR(optics.crossing(2, optics.trueNull(2) + 0.01), -2 * 0.01 * 2 / 48, 2e-5);
    EXPECT_NEAR(optics.crossing(2, optics.trueNull(2) - 0.01), 2 * 0.01 * 2 / 48, 2e-5);

    // A turned-down edge slopes away from the tester: its normals meet the axis further out.
    BenchConfig turned;
    turned.mirror.surfaceError = {{16, -100}};
    const FoucaultOptics worn(turned);
    EXPECT_GT(worn.trueNull(3) - optics.trueNull(3), 0.01);
    EXPECT_NEAR(worn.trueNull(1.5), optics.trueNull(1.5), 1e-6);
}

// At a zone's null both windows read alike, between 20 and 50 % lit with the knife cutting.
// Beyond the null (further from the mirror) the zone's rays have crossed the axis: those from
// the mirror's right half reach the knife plane left of the axis and those from its left half
// right of it. A right blade covers what lies right of its edge, so the LEFT window darkens and
// the right one brightens; a left blade does the opposite. Short of the null each case turns
// round.
TEST(BenchFrame, WindowsMatchAtAZoneNullAndTheOpticsPredictWhichDarkensOffIt) {
    for (KnifeSide side : {KnifeSide::Right, KnifeSide::Left}) {
        for (double fraction : {0.4, 0.7071, 0.9354}) {
            for (double beyond : {0.0, 0.1, -0.1}) {
                SCOPED_TRACE(testing::Message() << int(side) << " " << fraction << " " << beyond);
                SimulatedBench bench = benchNearNull(side, fraction, beyond);
                const auto [left, right] = readWindows(bench, fraction);
                const bool leftDark = (side == KnifeSide::Right) == (beyond > 0);
                if (beyond == 0) // alike, and 20 to 50 % lit
                    EXPECT_TRUE(std::abs(left - right) < 1.5 && left > Background + 0.2 * Gain &&
                                left < Background + 0.5 * Gain)
                        << left << " " << right;
                else // the dark one nearly black, the other nearly fully lit
                    EXPECT_TRUE((left < right) == leftDark &&
                                std::min(left, right) < Background + 10 &&
                                std::max(left, right) > Background + Gain - 10)
                        << left << " " << right;
            }
        }
    }
}

TEST(BenchCamera, IsDriverZeroAloneDriftsAfterEachFrameAndIsPacedWhenAsked) {
    BenchConfig c;
    c.camera.driftX = 2;
    c.camera.driftY = -1;
    SimulatedBench bench(c);
    QImage picture(10, 10, QImage::Format_ARGB32);
    EXPECT_FALSE(bench.driverName(1) || bench.connectDriver(1) || bench.grab(picture) ||
                 bench.capabilities());
    EXPECT_EQ(bench.driverName(0), "ORVANE Simulated Foucault Bench");
    ASSERT_TRUE(bench.connectDriver(0) && bench.grab(picture));
    EXPECT_EQ(std::tuple(picture.size(), picture.format(), bench.imageCenter()), // any picture
              std::tuple(QSize(320, 240), QImage::Format_RGB32, QPointF(160, 120)));
    VirtualClock clock; // frames at 30 a second once paced
    bench.enablePacing(clock);
    bench.grab(picture);
    EXPECT_EQ(std::pair(bench.imageCenter(), bench.zoneWindowColumns(0.5)),
              std::pair(QPointF(162, 119), std::pair(112, 212)));
    clock.spinNs(10'000'000); // a quick pass: the grab waits for the frame's time
    bench.grab(picture);
    EXPECT_EQ(clock.nowNs(), 33'333'333);
}

TEST(BenchFrame, NoiseHasTheConfiguredSpreadFreshEachFrameAndRepeatsForASeed) {
    BenchConfig c;
    c.camera.noise = 3;
    c.camera.background = 20;
    SimulatedBench bench(c), twin(c);
    QImage first, second, twinFirst;
    ASSERT_TRUE(bench.connectDriver(0) && twin.connectDriver(0) && bench.grab(first) &&
                bench.grab(second) && twin.grab(twinFirst));
    EXPECT_TRUE(first == twinFirst && first != second); // fresh noise every frame
    double sum = 0, squares = 0;
    for (int i = 0; i < 240 * 40; ++i) { // left of the mirror
        const int v = qRed(second.pixel(i % 40, i / 40));
        sum += v;
        squares += v * v;
    }
    const double mean = sum / (240 * 40);
    EXPECT_NEAR(mean, 20, 0.1);
    // The rounding to grey levels adds 1/12 to the variance.
    EXPECT_NEAR(std::sqrt(squares / (240 * 40) - mean * mean), std::sqrt(9 + 1 / 12.0), 0.15);
}
