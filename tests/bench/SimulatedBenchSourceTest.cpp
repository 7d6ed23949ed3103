#include "bench/SimulatedBench.h"

#include <gtest/gtest.h>

using namespace orvane;

TEST(BenchCamera, IsDriverZeroOnly) {
    SimulatedBench bench;
    EXPECT_EQ(bench.driverName(0), QStringLiteral("ORVANE Simulated Foucault Bench"));
    EXPECT_FALSE(bench.driverName(1).has_value());
    EXPECT_FALSE(bench.driverName(-1).has_value());
    EXPECT_FALSE(bench.capabilities().has_value());
    EXPECT_FALSE(bench.connectDriver(1));
    EXPECT_FALSE(bench.capabilities().has_value());
    EXPECT_TRUE(bench.connectDriver(0));
    const auto caps = bench.capabilities();
    ASSERT_TRUE(caps.has_value());
    EXPECT_EQ(caps->deviceIndex, 0);
    EXPECT_FALSE(caps->hasOverlay || caps->hasSourceDialog || caps->hasFormatDialog ||
                 caps->hasDisplayDialog);
}

TEST(BenchCamera, GrabNeedsAConnectedDriverAndKeepsThePictureOtherwise) {
    SimulatedBench bench;
    QImage picture(320, 240, QImage::Format_RGB32);
    picture.fill(qRgb(1, 2, 3));
    const QImage before = picture;
    EXPECT_FALSE(bench.grab(picture));
    EXPECT_EQ(picture, before);
    bench.connectDriver(0);
    EXPECT_TRUE(bench.grab(picture));
    EXPECT_NE(picture, before);
    bench.connectDriver(3);
    EXPECT_FALSE(bench.grab(picture));
}

TEST(BenchCamera, GrabMakesAGreyFrameFromAnyPicture) {
    SimulatedBench bench;
    bench.connectDriver(0);
    QImage picture(10, 10, QImage::Format_ARGB32);
    ASSERT_TRUE(bench.grab(picture));
    EXPECT_EQ(picture.size(), QSize(320, 240));
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    for (int x = 0; x < 320; x += 7) {
        const QRgb c = picture.pixel(x, 120);
        EXPECT_TRUE(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c)) << x;
    }
}

TEST(BenchCamera, PacesFramesOnlyWhenAsked) {
    VirtualClock clock;
    SimulatedBench bench;
    bench.connectDriver(0);
    QImage picture;
    bench.grab(picture);
    bench.grab(picture);
    EXPECT_EQ(clock.nowNs(), 0);

    bench.enablePacing(clock);
    bench.grab(picture);
    EXPECT_EQ(clock.nowNs(), 0); // nothing to wait for yet
    bench.grab(picture);
    EXPECT_EQ(clock.nowNs(), 33'333'333);
    clock.spinNs(50'000'000); // a slow pass: the next frame is already due
    bench.grab(picture);
    EXPECT_EQ(clock.nowNs(), 83'333'333);
}

TEST(BenchCamera, ZeroFpsIsUnpaced) {
    VirtualClock clock;
    BenchConfig c;
    c.camera.fps = 0;
    SimulatedBench bench(c);
    bench.connectDriver(0);
    bench.enablePacing(clock);
    QImage picture;
    bench.grab(picture);
    bench.grab(picture);
    EXPECT_EQ(clock.nowNs(), 0);
}

TEST(BenchPad, StatusRegisterCarriesTheHandpadByte) {
    SimulatedBench bench;
    EXPECT_EQ(bench.readStatus(), 0x00);
    bench.setHandpadStatus(0xB0);
    EXPECT_EQ(bench.readStatus(), 0xB0);
}
