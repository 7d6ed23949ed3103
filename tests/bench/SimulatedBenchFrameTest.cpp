#include "bench/SimulatedBench.h"

#include "bench/WindowProbe.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace orvane;
using orvane::testkit::windowMean;

namespace {
constexpr int Row = 120;
constexpr double Gain = 220;
constexpr double Background = 8;

struct WindowPair {
    double left = 0;
    double right = 0;
};

// Average of both windows of the zone at `fraction` over `frames` frames.
WindowPair readWindows(SimulatedBench& bench, double fraction, int frames) {
    WindowPair sum;
    QImage picture;
    for (int i = 0; i < frames; ++i) {
        EXPECT_TRUE(bench.grab(picture));
        const auto [left, right] = bench.zoneWindowColumns(fraction);
        sum.left += windowMean(picture, left, Row) / frames;
        sum.right += windowMean(picture, right, Row) / frames;
    }
    return sum;
}

// The pupil radius (inches) that the zone's window columns really sample.
double windowRadius(const SimulatedBench& bench, double fraction) {
    const BenchConfig& c = bench.config();
    const double inchesPerPixel = c.mirror.diameter / 2 / c.camera.radius;
    return (bench.zoneWindowColumns(fraction).second - c.camera.centerX) * inchesPerPixel;
}

// Knife edge that leaves 30 % of a slit image centred on the axis uncovered.
double cuttingEdge(KnifeSide side, double slitWidth) {
    return side == KnifeSide::Right ? -0.2 * slitWidth : 0.2 * slitWidth;
}

// A bench whose knife plane sits `beyond` inches past the true null of the zone at `fraction`.
SimulatedBench benchNearNull(KnifeSide side, double fraction, double beyond) {
    BenchConfig c;
    c.knifeSide = side;
    c.start.knifeOffset = cuttingEdge(side, c.source.slitWidth);
    const SimulatedBench probe(c);
    c.start.platformOffset = probe.trueNull(windowRadius(probe, fraction)) + beyond;
    SimulatedBench bench(c);
    bench.connectDriver(0);
    return bench;
}

const char* sideName(KnifeSide side) {
    return side == KnifeSide::Right ? "right" : "left";
}
} // namespace

TEST(BenchFrame, AtAZoneNullBothWindowsReadAlikeWithTheKnifeCutting) {
    for (KnifeSide side : {KnifeSide::Right, KnifeSide::Left}) {
        for (double fraction : {0.4, 0.7071, 0.9354}) {
            SimulatedBench bench = benchNearNull(side, fraction, 0);
            const WindowPair w = readWindows(bench, fraction, 8);
            EXPECT_NEAR(w.left, w.right, 1.5) << sideName(side) << " " << fraction;
            for (double v : {w.left, w.right}) {
                EXPECT_GT(v, Background + 0.2 * Gain) << sideName(side) << " " << fraction;
                EXPECT_LT(v, Background + 0.5 * Gain) << sideName(side) << " " << fraction;
            }
        }
    }
}

// Beyond the null (further from the mirror) the zone's rays have crossed the axis: those from
// the mirror's right half reach the knife plane left of the axis and those from its left half
// right of it. A right blade covers what lies right of its edge, so the LEFT window darkens and
// the right one brightens; a left blade does the opposite, the RIGHT window darkens. Short of
// the null the rays have not crossed yet and each case turns round.
TEST(BenchFrame, KnifePlaneOffTheNullDarkensTheSideTheOpticsPredict) {
    const double fraction = 0.7071;
    for (KnifeSide side : {KnifeSide::Right, KnifeSide::Left}) {
        for (double beyond : {0.05, -0.05}) {
            SimulatedBench bench = benchNearNull(side, fraction, beyond);
            const WindowPair w = readWindows(bench, fraction, 1);
            const bool leftDark = (side == KnifeSide::Right) == (beyond > 0);
            const double dark = leftDark ? w.left : w.right;
            const double bright = leftDark ? w.right : w.left;
            EXPECT_LT(dark, Background + 10) << sideName(side) << " " << beyond;
            EXPECT_GT(bright, Background + Gain - 10) << sideName(side) << " " << beyond;
        }
    }
}

TEST(BenchFrame, PlatformStepsThroughThePortChangeTheImage) {
    SimulatedBench bench = benchNearNull(KnifeSide::Right, 0.7071, 0);
    const WindowPair atNull = readWindows(bench, 0.7071, 4);
    // 400 half-steps away from the mirror (phase -1): 0.05 inch beyond the null.
    int phase = 0;
    constexpr int Coils[8] = {0x1, 0x3, 0x2, 0x6, 0x4, 0xC, 0x8, 0x9};
    for (int i = 0; i < 400; ++i) {
        phase = (phase + 7) % 8;
        bench.writeData(quint8(0x01 | Coils[phase] << 4));
    }
    EXPECT_NEAR(bench.knifePlane(), bench.config().start.platformOffset + 0.05, 1e-12);
    const WindowPair beyond = readWindows(bench, 0.7071, 1);
    EXPECT_LT(beyond.left, atNull.left - 50);
    EXPECT_GT(beyond.right, atNull.right + 50);
}

TEST(BenchFrame, MirrorDiscOnTheBackground) {
    BenchConfig c;
    c.camera.noise = 0;
    c.start.knifeOffset = 1; // blade far right: nothing is covered
    SimulatedBench bench(c);
    bench.connectDriver(0);
    QImage picture;
    ASSERT_TRUE(bench.grab(picture));
    EXPECT_EQ(picture.size(), QSize(320, 240));
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    EXPECT_EQ(picture.pixel(160, 120), qRgb(228, 228, 228));
    EXPECT_EQ(picture.pixel(260, 120), qRgb(228, 228, 228)); // exactly on the radius
    EXPECT_EQ(picture.pixel(261, 120), qRgb(8, 8, 8));
    EXPECT_EQ(picture.pixel(220, 200), qRgb(228, 228, 228)); // 60, 80: on the radius
    EXPECT_EQ(picture.pixel(221, 200), qRgb(8, 8, 8));
    EXPECT_EQ(picture.pixel(0, 0), qRgb(8, 8, 8));
    EXPECT_EQ(picture.pixel(319, 239), qRgb(8, 8, 8));
}

TEST(BenchFrame, NoiseHasTheConfiguredSpreadAndIsClippedAtZero) {
    BenchConfig c;
    c.camera.noise = 3;
    c.camera.background = 20;
    SimulatedBench bench(c);
    bench.connectDriver(0);
    QImage picture;
    double sum = 0;
    double squares = 0;
    int count = 0;
    for (int frame = 0; frame < 4; ++frame) {
        ASSERT_TRUE(bench.grab(picture));
        for (int y = 0; y < 240; ++y) {
            for (int x = 0; x < 40; ++x) { // left of the mirror
                const double v = qRed(picture.pixel(x, y));
                sum += v;
                squares += v * v;
                ++count;
            }
        }
    }
    const double mean = sum / count;
    const double sigma = std::sqrt(squares / count - mean * mean);
    EXPECT_NEAR(mean, 20, 0.1);
    EXPECT_NEAR(sigma, std::sqrt(9 + 1 / 12.0), 0.15); // plus the rounding to grey levels

    c.camera.background = 0; // half the noise falls below black and is clipped
    SimulatedBench dark(c);
    dark.connectDriver(0);
    ASSERT_TRUE(dark.grab(picture));
    int black = 0;
    for (int x = 0; x < 40; ++x)
        black += qRed(picture.pixel(x, 5)) == 0;
    EXPECT_GT(black, 10);
}

TEST(BenchFrame, FramesAreReproducibleForASeed) {
    BenchConfig c;
    SimulatedBench first(c);
    SimulatedBench second(c);
    c.camera.seed = 2;
    SimulatedBench other(c);
    for (SimulatedBench* b : {&first, &second, &other})
        b->connectDriver(0);
    QImage a1, a2, b1, b2, o1;
    first.grab(a1);
    first.grab(a2);
    second.grab(b1);
    second.grab(b2);
    other.grab(o1);
    EXPECT_EQ(a1, b1);
    EXPECT_EQ(a2, b2);
    EXPECT_NE(a1, a2); // fresh noise every frame
    EXPECT_NE(a1, o1);
}

TEST(BenchFrame, DriftMovesTheMirrorAfterEveryFrame) {
    BenchConfig c;
    c.camera.noise = 0;
    c.camera.driftX = 2;
    c.camera.driftY = -1;
    c.start.platformOffset = 0.03; // a shadow pattern, so a shift shows
    SimulatedBench bench(c);
    bench.connectDriver(0);
    EXPECT_EQ(bench.imageCenter(), QPointF(160, 120));
    EXPECT_EQ(bench.zoneWindowColumns(0.5), std::make_pair(110, 210));
    QImage frame1, frame2;
    bench.grab(frame1);
    EXPECT_EQ(bench.imageCenter(), QPointF(160, 120));
    bench.grab(frame2);
    EXPECT_EQ(bench.imageCenter(), QPointF(162, 119));
    EXPECT_EQ(bench.zoneWindowColumns(0.5), std::make_pair(112, 212));
    int differing = 0;
    for (int y = 10; y < 230; ++y) {
        for (int x = 10; x < 300; ++x) {
            EXPECT_EQ(frame2.pixel(x + 2, y - 1), frame1.pixel(x, y)) << x << "," << y;
            differing += frame1.pixel(x, y) != frame1.pixel(x + 2, y - 1);
        }
    }
    EXPECT_GT(differing, 500);
}

TEST(BenchFrame, WindowColumnsRoundHalvesToEven) {
    BenchConfig c;
    c.camera.centerX = 161;
    SimulatedBench bench(c);
    // 161 -/+ 50.5: 110.5 and 211.5 go to the even neighbours.
    EXPECT_EQ(bench.zoneWindowColumns(0.505), std::make_pair(110, 212));
}
