#include "bench/SimulatedBench.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace orvane;

namespace {
constexpr double Gain = 220;
constexpr double Background = 8;

// Mean grey level of both 1 x 7 windows (rows 117..123) of the zone at `fraction` over
// `frames` frames.
std::pair<double, double> readWindows(SimulatedBench& bench, double fraction, int frames) {
    std::pair<double, double> sum;
    QImage picture;
    for (int i = 0; i < frames; ++i) {
        EXPECT_TRUE(bench.grab(picture));
        const auto [left, right] = bench.zoneWindowColumns(fraction);
        for (int row = 117; row <= 123; ++row) {
            sum.first += qRed(picture.pixel(left, row)) / (7.0 * frames);
            sum.second += qRed(picture.pixel(right, row)) / (7.0 * frames);
        }
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
                const auto [left, right] = readWindows(bench, fraction, beyond == 0 ? 8 : 1);
                const bool leftDark = (side == KnifeSide::Right) == (beyond > 0);
                const auto [dark, bright] =
                    leftDark ? std::pair(left, right) : std::pair(right, left);
                if (beyond == 0) {
                    EXPECT_NEAR(left, right, 1.5);
                    EXPECT_GT(left, Background + 0.2 * Gain);
                    EXPECT_LT(left, Background + 0.5 * Gain);
                } else {
                    EXPECT_LT(dark, Background + 10);
                    EXPECT_GT(bright, Background + Gain - 10);
                }
            }
        }
    }
}

TEST(BenchFrame, DriverZeroShowsTheMirrorDiscOnTheBackgroundMovingWithTheDrift) {
    BenchConfig c;
    c.camera.noise = 0;
    c.start.knifeOffset = 1; // blade far right: nothing is covered
    c.camera.driftX = 2;
    c.camera.driftY = -1;
    SimulatedBench bench(c);
    QImage picture(10, 10, QImage::Format_ARGB32);
    EXPECT_FALSE(bench.driverName(1) || bench.connectDriver(1) || bench.grab(picture) ||
                 bench.capabilities());
    EXPECT_EQ(bench.driverName(0), "ORVANE Simulated Foucault Bench");
    ASSERT_TRUE(bench.connectDriver(0) && bench.grab(picture));
    EXPECT_FALSE(bench.capabilities()->hasFormatDialog || bench.capabilities()->hasSourceDialog);
    EXPECT_EQ(std::pair(picture.size(), picture.format()), // whatever picture it was given
              std::pair(QSize(320, 240), QImage::Format_RGB32));
    const QRgb lit = qRgb(228, 228, 228), dark = qRgb(8, 8, 8);
    // The disc's edge: 100 pixels right of the centre, and 60 right, 80 down.
    EXPECT_EQ(std::tuple(picture.pixel(160, 120), picture.pixel(260, 120), picture.pixel(220, 200)),
              std::tuple(lit, lit, lit));
    EXPECT_EQ(std::tuple(picture.pixel(261, 120), picture.pixel(221, 200), picture.pixel(0, 0)),
              std::tuple(dark, dark, dark));
    ASSERT_TRUE(bench.grab(picture));
    EXPECT_EQ(bench.zoneWindowColumns(0.5), std::pair(112, 212));
    EXPECT_EQ(std::pair(picture.pixel(262, 119), picture.pixel(263, 119)), std::pair(lit, dark));

    VirtualClock clock; // frames at 30 a second once paced
    bench.enablePacing(clock);
    bench.grab(picture);
    bench.grab(picture);
    EXPECT_EQ(clock.nowNs(), 33'333'333);
    clock.spinNs(50'000'000); // a slow pass: the next frame is already due
    bench.grab(picture);
    EXPECT_EQ(clock.nowNs(), 83'333'333);
}

TEST(BenchFrame, NoiseHasTheConfiguredSpreadFreshEachFrameAndRepeatsForASeed) {
    BenchConfig c;
    c.camera.noise = 3;
    c.camera.background = 20;
    SimulatedBench bench(c), twin(c);
    QImage frames[3];
    int n = 0;
    for (SimulatedBench* b : {&bench, &bench, &twin})
        ASSERT_TRUE(b->connectDriver(0) && b->grab(frames[n++]));
    EXPECT_EQ(frames[0], frames[2]);
    EXPECT_NE(frames[0], frames[1]);
    double sum = 0, squares = 0;
    for (int i = 0; i < 240 * 40; ++i) { // left of the mirror
        const int v = qRed(frames[1].pixel(i % 40, i / 40));
        sum += v;
        squares += v * v;
    }
    const double mean = sum / (240 * 40);
    EXPECT_NEAR(mean, 20, 0.1);
    // The rounding to grey levels adds 1/12 to the variance.
    EXPECT_NEAR(std::sqrt(squares / (240 * 40) - mean * mean), std::sqrt(9 + 1 / 12.0), 0.15);
}
