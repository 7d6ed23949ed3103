#include "LiveLoopRig.h"
#include "core/EventPump.h"
#include "core/ProgramState.h"
#include "live/PauseButton.h"
#include "live/SpeedGauge.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

TEST(LiveLoop, PassWithoutMirrorDrawsTheOutlineOnACopyOrTracksAndWithAMirrorMeasures) {
    LiveLoopRig rig;
    rig.measurer.setFramesToAverage(25);
    rig.circle = {100, 80, 50};
    rig.loop.start();
    EXPECT_EQ(std::tuple(rig.MotorStatus, rig.measurer.framesToAverage(), rig.drive.log),
              std::tuple("", 10, "R"));
    EXPECT_EQ(rig.loop.runPass(), LoopOutcome::Running);
    EXPECT_EQ(std::tuple(rig.camera.grabs, rig.pump.count()), std::tuple(1, 0)); // no events run
    // The crosshair and the circle (twice in row 60) on a copy of the frame.
    int magentaInRow60 = 0;
    for (int x = 0; x < 320; ++x)
        magentaInRow60 += rig.displays.liveView.pixelColor(x, 60) == colours::Magenta;
    EXPECT_EQ(std::tuple(rig.displays.liveView.pixelColor(5, 80), magentaInRow60,
                         rig.loop.rawFrame().pixel(100, 5)),
              std::tuple(colours::Magenta, 3, qRgb(8, 8, 8)));

    rig.circle = {160, 120, 100};
    rig.view.tracking = true;
    rig.loop.runPass();
    EXPECT_EQ(std::pair(rig.circle.x, rig.circle.y), std::pair(159, 120)); // halfway to the edge

    rig.program.setZonesReady(true);
    rig.mirror = {.MirDiam = 10, .NZ = 2};
    rig.zones.centerFrac[1] = 0.5;
    rig.zones.centerFrac[2] = 1.5; // windows off the disc
    rig.loop.runPass();
    EXPECT_EQ(std::tuple(rig.measurer.LZV(1), rig.measurer.LZV(2)), std::tuple(22, 0)); // 1 of 10
}

TEST(LiveLoop, TimerTickStartsRunsAndEndsTheLoopAsTheProgramModeSays) {
    using enum LoopOutcome;
    LiveLoopRig rig;
    using enum ProgramMode;
    // The program's mode, then the outcome and the motors' releases so far (at every start and
    // end): still loading; running; the test takes over; afresh; closing; a late tick.
    rig.program = ProgramState();
    const std::tuple<ProgramMode, LoopOutcome, const char*> ticks[] = {
        {Idle, Stopped, ""},           {Live, Running, "R"},   {Live, Running, "R"},
        {Testing, Stopped, "RR"},      {Live, Running, "RRR"}, {Closing, CloseWindow, "RRRR"},
        {Closing, CloseWindow, "RRRR"}};
    for (const auto& [mode, outcome, motors] : ticks) {
        if (mode == Live)
            rig.program.enterLive();
        else if (mode == Testing)
            rig.program.startTest();
        else if (mode == Closing)
            rig.program.beginClosing();
        EXPECT_EQ(rig.loop.timerTick(), outcome);
        EXPECT_EQ(std::tuple(rig.program.liveLoopRunning(), rig.loop.running(), rig.drive.log),
                  std::tuple(outcome == Running, outcome == Running, motors));
    }
    EXPECT_EQ(rig.camera.grabs, 5); // every pass grabs, the last ones included
}

// Jog passes: held keys (I, M, J, K; later ones win) and the pad's code, then the ramp value, the
// motor calls, the counted wait and the frames of the pass and the speed shown. JogDelay ramps
// as JogDelay - JogDelay^a with a = (10 - sldAcell) / 10, coasts as + JogDelay^0.85 (pad 0) or
// ^0.6 (pad 10, pin 11) and stands at 0 from Maxdelay on. The keyboard beats the pad; codes 5
// and 15 zero the counters. At top speed without pin 11 a pass moves 0.001 inch of knife (waits
// of 3 Mindelay) or 0.01 inch of platform at once; with pin 11 a continuous run starts from
// -Maxdelay and takes no frames until let go.
TEST(ManualJog, PassesRampCoastBurstAndRunAsTheKeysAndPadSay) {
    // Same goes on with the rig; the others start a fresh one: standing still, standing with
    // sldAcell at 10, just started (JogDelay at Maxdelay), started with Maxdelay 1 throughout or
    // only at the start (then 2000).
    enum Rig { Same, Standing, Flat, Started, TopSpeed, RunFromTopSpeed };
    const struct {
        Rig rig;
        const char* keys;
        int pad, jogDelay;
        QString moves;
        int waitedUs, frames, speed;
    } passes[] = {{Standing, "", 1, 1904, "EP", 136 + 1904, 1, 5},
                  {Same, "", 1, 1811, "P", 136 + 1811, 1, 9},
                  {Flat, "", 1, 1999, "EP", 136 + 1999, 1, 0},
                  {Standing, "", 2, 1904, "Ep", 136 + 1904, 1, 5},
                  {Same, "", 0, 2517, "", 136 + 2517, 1, -26},
                  {Same, "", 0, 0, "", 0, 1, 0},
                  {Same, "", 2, 1904, "Ep", 136 + 1904, 1, 5}, // from a standstill again
                  {Same, "", 10, 1997, "", 136 + 1997, 1, 0},
                  {Same, "", 10, 2093, "", 0, 1, 0},
                  {Standing, "KM", 4, 1904, "Ep", 136 + 1904, 1, 5},
                  {Same, "KJI", 0, 1811, "P", 136 + 1811, 1, 9},
                  {Same, "KJ", 0, 1721, "k", 136 + 1721, 1, 14},
                  {Started, "", 5, 2000, "Z", 0, 1, 0},
                  {Same, "", 15, 2000, "Z", 0, 1, 0},
                  {TopSpeed, "", 4, 1, QString(9, 'K'), 8 * 3 * 136, 1, 0},
                  {Same, "", 1, 1, QString(81, 'P'), 80 * 136, 1, 0},
                  {RunFromTopSpeed, "K", 0, -1904, "KK", 136 + 1904, 0, 0},
                  {Same, "K", 0, -1811, "K", 136 + 1811, 0, 0},
                  {Same, "", 14, -1721, "K", 136 + 1721, 0, 0},
                  {Same, "", 0, 1, "", 0, 1, 100},
                  {Same, "", 0, 2, "", 136 + 2, 1, 100},
                  {TopSpeed, "I", 0, 0, "PP", 136, 0, 0},
                  {Same, "I", 0, 0, "P", 136, 0, 0}};
    std::optional<LiveLoopRig> rig;
    for (const auto& p : passes) {
        if (p.rig != Same) {
            rig.emplace();
            rig->settings.Maxdelay = p.rig >= TopSpeed ? 1 : 2000;
            rig->settings.sldAcell = p.rig == Flat ? 10 : 4;
            rig->loop.start();
            if (p.rig <= Flat)
                rig->loop.runPass(); // an idle pass brings the jog to a standstill
            rig->settings.Maxdelay = p.rig == TopSpeed ? 1 : 2000;
        }
        SCOPED_TRACE(testing::Message() << "keys " << p.keys << " pad " << p.pad);
        for (JogKey key : {JogKey::K, JogKey::J, JogKey::I, JogKey::M})
            QByteArray(p.keys).contains("KJIM"[int(key)]) ? rig->keys.press(key)
                                                          : rig->keys.release(key);
        rig->drive.pad = p.pad;
        rig->drive.log.clear();
        rig->camera.grabs = 0;
        const qint64 before = rig->clock.nowNs();
        rig->loop.runPass();
        EXPECT_EQ(std::tuple(rig->loop.jog().JogDelay(), rig->drive.log, rig->camera.grabs,
                             rig->loop.jog().SpeedPercent(), rig->clock.nowNs() - before),
                  std::tuple(p.jogDelay, p.moves, p.frames, p.speed, p.waitedUs * 1000ll));
    }
    rig.emplace(); // after fifty idle passes the coils are released on every idle pass
    rig->loop.start();
    for (int pass = 1; pass <= 52; ++pass)
        rig->loop.runPass();
    EXPECT_EQ(rig->drive.log, "RRR");
}

TEST(SpeedGauge, WedgeFromTheBottomLeftGreenThenYellowFromSeventyRedAboveNinetyFive) {
    const std::pair<int, QColor> cases[] = {
        {69, colours::Green}, {70, colours::Yellow}, {95, colours::Yellow}, {96, colours::Red}};
    for (const auto& [percent, colour] : cases) {
        QImage gauge;
        drawSpeedGauge(gauge, percent);
        ASSERT_TRUE(gauge.isNull());           // a box not laid out yet is left alone
        for (const qreal ratio : {1.0, 2.0}) { // drawn in box pixels on any screen
            gauge = QImage(QSize(40, 150) * ratio, QImage::Format_RGB32);
            gauge.setDevicePixelRatio(ratio);
            drawSpeedGauge(gauge, percent);
            for (const int y : {60, 144})
                EXPECT_EQ(gauge.pixelColor(0, int(y * ratio)), colour) << percent << " " << ratio;
        }
    }
}

// The Pause button holds the test where it stands until a second click, which arrives through
// the events the pause runs; closing ends a pause too. The held controls come back as they were.
TEST(PauseButton, HoldsTheModeUntilASecondClickOrClosingThenGivesTheControlsBack) {
    struct Controls : PauseControls {
        bool command3 = true, chkTrak = false;
        QColor colour = Qt::gray;
        QList<bool> cameraPauses;
        bool command3Enabled() const override { return command3; }
        bool chkTrakEnabled() const override { return chkTrak; }
        void setCommand3Enabled(bool on) override { command3 = on; }
        void setChkTrakEnabled(bool on) override { chkTrak = on; }
        QColor buttonColour() const override { return colour; }
        void setButtonColour(const QColor& c) override { colour = c; }
        void setCameraPaused(bool paused) override { cameraPauses << paused; }
    } controls;
    for (const bool closing : {false, true}) {
        PauseButton button;
        ProgramState program;
        program.startTest();
        CallbackEventPump pump;
        pump.setHook([&] {
            EXPECT_TRUE(program.paused() && !controls.command3);
            if (pump.count() < PauseButton::BlinkRounds * 3)
                return;
            if (closing)
                program.beginClosing();
            else
                button.click(controls, pump, program);
        });
        button.click(controls, pump, program);
        EXPECT_EQ(program.mode(), closing ? ProgramMode::Closing : ProgramMode::Testing);
        EXPECT_EQ(std::tuple(controls.command3, controls.chkTrak, controls.colour,
                             std::exchange(controls.cameraPauses, {})),
                  std::tuple(true, false, QColor(Qt::gray), QList<bool>{true, false}));
    }
}
