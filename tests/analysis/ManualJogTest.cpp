#include "LiveLoopRig.h"
#include "analysis/PictureStyle.h"
#include "analysis/SpeedGauge.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;
using Call = FakeJogDrive::Call;

namespace {

bool hasColour(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

} // namespace

TEST(ManualJog, LaterKeysOverrideEarlierOnesSoMWins) {
    LiveLoopRig rig;
    rig.loop.start();
    rig.keys.down = {JogKey::K, JogKey::M};
    rig.drive.padCode = 4; // the keyboard beats the pad as well
    rig.loop.runPass();
    EXPECT_EQ(rig.loop.jog().code(), 12);
    EXPECT_EQ(rig.drive.steps(Call::Platform, -1), 1);
    EXPECT_EQ(rig.drive.count(Call::Knife), 0);
    EXPECT_EQ(rig.drive.ypos(), 1); // away from the mirror

    rig.keys.down = {JogKey::K, JogKey::J, JogKey::I};
    rig.loop.runPass();
    EXPECT_EQ(rig.loop.jog().code(), 11);
    rig.keys.down = {JogKey::K, JogKey::J};
    rig.loop.runPass();
    EXPECT_EQ(rig.loop.jog().code(), 13);
    EXPECT_EQ(rig.drive.steps(Call::Knife, -1), 1);
    rig.keys.down = {JogKey::K};
    rig.loop.runPass();
    EXPECT_EQ(rig.drive.steps(Call::Knife, +1), 1);
}

TEST(ManualJog, MotionFromStandstillEnergisesOnceThenRampsOneStepPerPass) {
    LiveLoopRig rig;
    rig.startStanding();
    EXPECT_EQ(rig.loop.jog().JogDelay(), 0);

    rig.drive.padCode = 1; // pad Up, pin 11 off
    rig.loop.runPass();
    ASSERT_EQ(rig.drive.calls.size(), 2u);
    EXPECT_EQ(rig.drive.calls[0].call, Call::Energise);
    EXPECT_EQ(rig.drive.calls[1].call, Call::Platform);
    EXPECT_EQ(rig.drive.calls[1].d, +1);
    EXPECT_EQ(rig.loop.jog().JogDelay(), 1904); // 2000 - 2000^0.6, rounded
    EXPECT_EQ(rig.loop.jog().IdlePasses(), 0);

    rig.loop.runPass();
    EXPECT_EQ(rig.drive.count(Call::Energise), 1);
    EXPECT_EQ(rig.drive.steps(Call::Platform, +1), 2);
    EXPECT_EQ(rig.loop.jog().JogDelay(), 1811);
    EXPECT_EQ(rig.camera.grabs, 3); // one frame per ramp pass

    // With the acceleration slider at its top the exponent is 0: one count less per pass.
    rig.settings.sldAcell = 10;
    rig.loop.runPass();
    EXPECT_EQ(rig.loop.jog().JogDelay(), 1810);
}

TEST(ManualJog, RampPassWaitsMindelayPlusJogDelayAndShowsTheSpeed) {
    LiveLoopRig rig;
    rig.startStanding();
    rig.drive.padCode = 2;
    const qint64 before = rig.clock.nowNs();
    rig.loop.runPass();
    // 1 < 1904 < 2000: the pass waits Mindelay + JogDelay counts of a microsecond.
    EXPECT_EQ(rig.clock.nowNs() - before, (136 + 1904) * 1000);
    EXPECT_EQ(rig.loop.jog().SpeedPercent(), 5); // round(100 - 1904 / 2000 * 100)
    EXPECT_TRUE(hasColour(rig.displays.picture3, colours::Green));
    EXPECT_FALSE(hasColour(rig.displays.picture3, colours::Red));
}

TEST(ManualJog, IdleCoastsWithItsExponentAndReleasesAfterFiftyPasses) {
    for (const auto& [pad, expected] : {std::pair{0, 2517}, std::pair{10, 1997}}) {
        LiveLoopRig rig;
        rig.startStanding();
        rig.drive.padCode = 2;
        rig.loop.runPass(); // JogDelay 1904
        rig.drive.padCode = pad;
        rig.loop.runPass();
        EXPECT_EQ(rig.loop.jog().JogDelay(), expected) << "pad " << pad;
        rig.loop.runPass();
        EXPECT_EQ(rig.loop.jog().JogDelay(), pad == 0 ? 0 : 2093) << "pad " << pad;
    }

    LiveLoopRig rig;
    rig.loop.start();
    EXPECT_EQ(rig.drive.count(Call::Release), 1); // the loop's start
    for (int pass = 1; pass <= 50; ++pass)
        rig.loop.runPass();
    EXPECT_EQ(rig.loop.jog().IdlePasses(), 50);
    EXPECT_EQ(rig.drive.count(Call::Release), 1);
    rig.loop.runPass();
    EXPECT_EQ(rig.drive.count(Call::Release), 2);
    rig.loop.runPass();
    EXPECT_EQ(rig.drive.count(Call::Release), 3);
}

TEST(ManualJog, PadCodesFiveAndFifteenZeroTheCountersWithoutMoving) {
    for (const int pad : {5, 15}) {
        LiveLoopRig rig;
        rig.loop.start();
        rig.drive.x = 7;
        rig.drive.y = -3;
        rig.drive.padCode = pad;
        rig.loop.runPass();
        EXPECT_EQ(rig.drive.xpos(), 0);
        EXPECT_EQ(rig.drive.ypos(), 0);
        EXPECT_EQ(rig.drive.count(Call::Knife) + rig.drive.count(Call::Platform), 0);
    }
    for (const int pad : {6, 16, 9}) { // nothing at all
        LiveLoopRig rig;
        rig.loop.start();
        rig.drive.calls.clear();
        rig.drive.padCode = pad;
        rig.loop.runPass();
        EXPECT_TRUE(rig.drive.calls.empty()) << "pad " << pad;
    }
}

TEST(ManualJog, MaxdelayOneBurstsAtOnceWithCountedWaits) {
    LiveLoopRig rig;
    rig.settings.Maxdelay = 1;
    rig.loop.start();
    rig.drive.padCode = 4; // pad Right: the knife, 0.001 inch of platform step size
    const qint64 before = rig.clock.nowNs();
    rig.loop.runPass();
    EXPECT_EQ(rig.drive.steps(Call::Knife, +1), 1 + 8);
    EXPECT_EQ(rig.clock.nowNs() - before, 8 * 3 * 136 * 1000);
    EXPECT_EQ(rig.camera.grabs, 1);

    rig.drive.calls.clear();
    rig.drive.padCode = 1; // pad Up: 0.01 inch of platform
    const qint64 before2 = rig.clock.nowNs();
    rig.loop.runPass();
    EXPECT_EQ(rig.drive.steps(Call::Platform, +1), 1 + 80);
    EXPECT_EQ(rig.clock.nowNs() - before2, 80 * 136 * 1000);
}

TEST(ManualJog, ContinuousRunStepsWithoutFramesUntilTheKeyIsReleased) {
    LiveLoopRig rig;
    rig.settings.Maxdelay = 1; // the first motion pass runs at top speed
    rig.loop.start();
    rig.settings.Maxdelay = 2000; // the run starts from the slider's value when it begins
    rig.keys.down = {JogKey::K};
    const qint64 before = rig.clock.nowNs();
    rig.loop.runPass();
    EXPECT_TRUE(rig.loop.jog().inContinuousRun());
    EXPECT_EQ(rig.camera.grabs, 0);
    EXPECT_EQ(rig.drive.steps(Call::Knife, +1), 2); // the pass's step and the run's first
    EXPECT_EQ(rig.loop.jog().JogDelay(), -1904);
    EXPECT_EQ(rig.clock.nowNs() - before, (136 + 1904) * 1000);
    EXPECT_EQ(rig.pump.count(), 1);

    rig.loop.runPass();
    EXPECT_EQ(rig.drive.steps(Call::Knife, +1), 3);
    EXPECT_EQ(rig.loop.jog().JogDelay(), -1811);
    EXPECT_EQ(rig.camera.grabs, 0);

    // The pad holding the same code keeps the run going too.
    rig.keys.down.clear();
    rig.drive.padCode = 14;
    rig.loop.runPass();
    EXPECT_EQ(rig.drive.steps(Call::Knife, +1), 4);

    rig.drive.padCode = 0;
    rig.loop.runPass();
    EXPECT_FALSE(rig.loop.jog().inContinuousRun());
    EXPECT_EQ(rig.loop.jog().JogDelay(), 1);
    EXPECT_EQ(rig.drive.steps(Call::Knife, +1), 4);
    EXPECT_EQ(rig.camera.grabs, 1); // the rest of the pass runs
    EXPECT_EQ(rig.loop.jog().SpeedPercent(), 100);
    EXPECT_TRUE(hasColour(rig.displays.picture3, colours::Green)); // "Vid" "OFF!"

    // The next idle pass shows about 100 % and coasts down from there.
    rig.loop.runPass();
    EXPECT_EQ(rig.loop.jog().JogDelay(), 2);
    EXPECT_EQ(rig.loop.jog().SpeedPercent(), 100);
    EXPECT_TRUE(hasColour(rig.displays.picture3, colours::Red));
}

TEST(ManualJog, ContinuousRunReachesTheMindelayWait) {
    LiveLoopRig rig;
    rig.settings.Maxdelay = 1;
    rig.loop.start();
    rig.keys.down = {JogKey::I};
    rig.loop.runPass();
    // -1 climbs to 0 and stays: every further step waits Mindelay counts.
    EXPECT_EQ(rig.loop.jog().JogDelay(), 0);
    const qint64 before = rig.clock.nowNs();
    rig.loop.runPass();
    EXPECT_EQ(rig.clock.nowNs() - before, 136 * 1000);
    EXPECT_EQ(rig.drive.steps(Call::Platform, +1), 3);
}

TEST(LatchedKeyState, KeyCountsWhileDownOrOnceAfterAQuickPress) {
    LatchedKeyState keys;
    EXPECT_FALSE(keys.wasPressed(JogKey::K));
    keys.press(JogKey::K);
    keys.release(JogKey::K);
    EXPECT_TRUE(keys.wasPressed(JogKey::K));
    EXPECT_FALSE(keys.wasPressed(JogKey::K));
    keys.press(JogKey::M);
    EXPECT_TRUE(keys.wasPressed(JogKey::M));
    EXPECT_TRUE(keys.wasPressed(JogKey::M));
    EXPECT_FALSE(keys.wasPressed(JogKey::I));

    EXPECT_EQ(LatchedKeyState::fromQtKey(Qt::Key_J), JogKey::J);
    EXPECT_EQ(LatchedKeyState::fromQtKey(Qt::Key_I), JogKey::I);
    EXPECT_FALSE(LatchedKeyState::fromQtKey(Qt::Key_L).has_value());
}

TEST(SpeedGauge, ColourChangesAtSeventyAndAboveNinetyFive) {
    const std::pair<int, QColor> cases[] = {
        {69, colours::Green}, {70, colours::Yellow}, {95, colours::Yellow}, {96, colours::Red}};
    for (const auto& [percent, colour] : cases) {
        QImage gauge;
        clearPicture(gauge, QSize(40, 150));
        drawSpeedGauge(gauge, percent);
        EXPECT_TRUE(hasColour(gauge, colour)) << percent;
        // The wedge's foot is at the bottom left, its top edge rises with the speed.
        EXPECT_EQ(gauge.pixelColor(0, 144), colour) << percent;
    }
    QImage none;
    drawSpeedGauge(none, 50); // a box not laid out yet is left alone
    EXPECT_TRUE(none.isNull());
}
