#include "LiveLoopRig.h"
#include "analysis/PictureStyle.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;
using Call = FakeJogDrive::Call;

TEST(LiveLoop, StartResetsStatusAveragingAndReleasesTheMotors) {
    LiveLoopRig rig;
    rig.measurer.setFramesToAverage(25);
    rig.loop.start();
    EXPECT_TRUE(rig.loop.running());
    EXPECT_TRUE(rig.MotorStatus.isEmpty());
    EXPECT_EQ(rig.measurer.framesToAverage(), 10);
    EXPECT_EQ(rig.loop.jog().JogDelay(), 2000);
    ASSERT_EQ(rig.drive.calls.size(), 1u);
    EXPECT_EQ(rig.drive.calls[0].call, Call::Release);
}

TEST(LiveLoop, PassWithoutMirrorDrawsTheOutlineOnACopyOfTheFrame) {
    LiveLoopRig rig;
    rig.camera.frames = {uniformFrame(qRgb(0, 0, 0))};
    rig.circle = {100, 80, 50};
    rig.loop.start();
    EXPECT_EQ(rig.loop.runPass(), LoopOutcome::Running);
    EXPECT_EQ(rig.camera.grabs, 1);
    EXPECT_EQ(rig.pump.count(), 1);
    EXPECT_EQ(rig.displays.picture1.pixelColor(100, 5), colours::Magenta);
    EXPECT_EQ(rig.displays.picture1.pixelColor(5, 80), colours::Magenta);
    auto magentaInRow = [&](int y) {
        int n = 0;
        for (int x = 0; x < 320; ++x)
            n += rig.displays.picture1.pixelColor(x, y) == colours::Magenta ? 1 : 0;
        return n;
    };
    EXPECT_EQ(magentaInRow(20), 1); // above the circle: the crosshair only
    EXPECT_GE(magentaInRow(60), 3); // crosshair and both sides of the circle
    EXPECT_EQ(rig.loop.rawFrame().pixel(100, 5), qRgb(0, 0, 0));
    EXPECT_EQ(rig.displays.frame3Caption, "Averaging 10 Frames"); // not touched without zones
}

TEST(LiveLoop, PassWithoutMirrorTracksWhenAsked) {
    LiveLoopRig rig;
    rig.view.tracking = true;
    rig.circle = {160, 120, 100};
    rig.loop.start();
    rig.loop.runPass();
    EXPECT_EQ(rig.circle.x, 159); // the disc's found edge pulls the circle halfway
    EXPECT_EQ(rig.circle.y, 120);
}

TEST(LiveLoop, PassWithMirrorMeasuresTheZones) {
    LiveLoopRig rig;
    rig.flags.ZoneOn = true;
    rig.mirror.NZ = 2;
    rig.mirror.MirDiam = 10;
    rig.zones.centerFrac[1] = 0.5;
    rig.zones.centerFrac[2] = 1.5; // windows off the disc
    rig.loop.start();
    rig.loop.runPass();
    EXPECT_EQ(rig.measurer.leftHistory(1, 1), 255);
    EXPECT_EQ(rig.measurer.LZV(1), 25); // one lit frame of ten
    EXPECT_EQ(rig.measurer.LZV(2), 0);
    EXPECT_EQ(rig.displays.frame3Caption, "Averaging 10 Frames");
    EXPECT_FALSE(rig.displays.slider1Position.has_value());
    EXPECT_EQ(rig.pump.count(), 1);
}

TEST(LiveLoop, FailedGrabKeepsThePreviousFrame) {
    LiveLoopRig rig;
    rig.camera.frames.clear();
    rig.loop.start();
    EXPECT_EQ(rig.loop.runPass(), LoopOutcome::Running);
    EXPECT_EQ(rig.loop.rawFrame().size(), QSize(320, 240));
    EXPECT_EQ(rig.displays.picture1.size(), QSize(320, 240));
}

TEST(LiveLoop, EndsAfterThePassInWhichManualWentFalse) {
    LiveLoopRig rig;
    rig.loop.start();
    rig.pump.setHook([&] { rig.flags.Manual = false; }); // the test takes the camera
    EXPECT_EQ(rig.loop.runPass(), LoopOutcome::Stopped);
    EXPECT_FALSE(rig.loop.running());
    EXPECT_EQ(rig.drive.count(Call::Release), 2);
    EXPECT_EQ(rig.loop.runPass(), LoopOutcome::Stopped);
    EXPECT_EQ(rig.camera.grabs, 1);
}

TEST(LiveLoop, ClosingTheWindowEndsTheLoopAndAsksToClose) {
    LiveLoopRig rig;
    rig.loop.start();
    rig.flags.ExitRequested = true;
    EXPECT_EQ(rig.loop.runPass(), LoopOutcome::CloseWindow);
    EXPECT_FALSE(rig.loop.running());
    EXPECT_EQ(rig.drive.count(Call::Release), 2);
}

TEST(LiveLoop, TimerTickStartsRunsAndStopsTheLoop) {
    LiveLoopRig rig;
    rig.flags.Manual = false;
    EXPECT_EQ(rig.loop.timerTick(), LoopOutcome::Stopped); // still loading
    EXPECT_FALSE(rig.loop.running());

    rig.flags.Manual = true;
    EXPECT_EQ(rig.loop.timerTick(), LoopOutcome::Running);
    EXPECT_TRUE(rig.flags.LoopRunning);
    EXPECT_EQ(rig.loop.timerTick(), LoopOutcome::Running);
    EXPECT_EQ(rig.camera.grabs, 2);
    EXPECT_EQ(rig.drive.count(Call::Release), 1); // started once

    rig.flags.Manual = false;
    EXPECT_EQ(rig.loop.timerTick(), LoopOutcome::Stopped);
    EXPECT_FALSE(rig.flags.LoopRunning);
    EXPECT_EQ(rig.drive.count(Call::Release), 2);

    rig.flags.Manual = true; // the test is over: the next tick starts afresh
    rig.measurer.setFramesToAverage(30);
    EXPECT_EQ(rig.loop.timerTick(), LoopOutcome::Running);
    EXPECT_EQ(rig.measurer.framesToAverage(), 10);

    rig.flags.ExitRequested = true;
    EXPECT_EQ(rig.loop.timerTick(), LoopOutcome::CloseWindow);
    EXPECT_FALSE(rig.flags.LoopRunning);
    EXPECT_EQ(rig.loop.timerTick(), LoopOutcome::CloseWindow); // a late tick only closes
    EXPECT_EQ(rig.camera.grabs, 5); // every pass grabs, the last ones included
}

TEST(LiveLoop, TimerTickLeavesALoopHeldElsewhereAlone) {
    LiveLoopRig rig;
    rig.flags.LoopRunning = true;
    EXPECT_EQ(rig.loop.timerTick(), LoopOutcome::Stopped);
    EXPECT_FALSE(rig.loop.running());
    EXPECT_TRUE(rig.flags.LoopRunning);
    EXPECT_TRUE(rig.drive.calls.empty());
}

TEST(LiveLoop, TickArrivingThroughThePassPumpDoesNotNestAPass) {
    LiveLoopRig rig;
    int nested = 0;
    rig.pump.setHook([&] {
        EXPECT_EQ(rig.loop.timerTick(), LoopOutcome::Running);
        ++nested;
    });
    EXPECT_EQ(rig.loop.timerTick(), LoopOutcome::Running);
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(rig.camera.grabs, 1);
    EXPECT_TRUE(rig.flags.LoopRunning);
}
