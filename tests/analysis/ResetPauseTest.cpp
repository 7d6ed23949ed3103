#include "AnalysisFakes.h"
#include "analysis/PauseButton.h"
#include "analysis/PictureStyle.h"
#include "analysis/ResetScreen.h"
#include "app/core/AppState.h"
#include "app/core/EventPump.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {

class FakePauseControls : public PauseControls {
  public:
    bool command3 = true;
    bool chkTrak = false;
    QColor colour{212, 208, 200};
    std::vector<QColor> colours;

    bool command3Enabled() const override { return command3; }
    bool chkTrakEnabled() const override { return chkTrak; }
    void setCommand3Enabled(bool enabled) override { command3 = enabled; }
    void setChkTrakEnabled(bool enabled) override { chkTrak = enabled; }
    QColor buttonColour() const override { return colour; }
    void setButtonColour(const QColor& c) override {
        colour = c;
        colours.push_back(c);
    }
};

} // namespace

TEST(Reset, InstructionTextIsExact) {
    EXPECT_EQ(ResetTitle,
              "Zone Evaluation Off, Please Perform the Following steps to Begin a Test:");
    EXPECT_EQ(resetInstructionText(),
              "\r\n#1 Fully Illuminate mirror under test by backing out Knife Edge\r\n"
              "\tUse Keybord keys K and J or Handpad Left - Right buttons for Knife control\r\n"
              "#2 Center Cross hair and Encircle mirror accuratly\r\n"
              "\tClick mouse near center of Mirror for Auto Center-Size **experimental!\r\n"
              "#3 Turn on Tracking\r\n"
              "#4 Select A Mirror Profile from the Mirror Database Menu\r\n"
              "#5 Adjust platform To-From mirror to get some what near the null for zone #1\r\n"
              "\tUse Keyboard Keys I and M or Handpad Up - Down to control platform distance "
              "from Mirror\r\n"
              "\tNull for zone #1 is indicated by Equal bar graphs levels between 20 to 50% Max "
              "intensity\r\n"
              "#6 Click the 'Do The Magic' Button to begin Test!");
}

TEST(Reset, TurnsZoneEvaluationOffAndZeroesThePositions) {
    RunFlags flags;
    flags.ZoneOn = true;
    QString text2 = "zone table";
    FakeJogDrive drive;
    drive.x = 12;
    drive.y = -30;
    QImage picture2(400, 200, QImage::Format_RGB32);
    picture2.fill(colours::Blue); // old bars
    resetZoneEvaluation(picture2, flags, text2, drive);
    EXPECT_FALSE(flags.ZoneOn);
    EXPECT_TRUE(text2.isEmpty());
    EXPECT_EQ(drive.xpos(), 0);
    EXPECT_EQ(drive.ypos(), 0);
    EXPECT_EQ(picture2.size(), QSize(400, 200));
    EXPECT_EQ(picture2.pixelColor(399, 199), colours::BoxBackground);
    bool printed = false;
    for (int x = 20; x < 200 && !printed; ++x)
        for (int y = 0; y < 30 && !printed; ++y)
            printed = picture2.pixelColor(x, y) != colours::BoxBackground;
    EXPECT_TRUE(printed);

    QImage none; // a box not laid out yet is left alone
    resetZoneEvaluation(none, flags, text2, drive);
    EXPECT_TRUE(none.isNull());
}

TEST(Pause, HoldsUntilTheSecondClickBlinkingGreenThenMagenta) {
    PauseButton pause;
    FakePauseControls controls;
    RunFlags flags;
    CallbackEventPump pump;
    int rounds = 0;
    pump.setHook([&] {
        ++rounds;
        EXPECT_FALSE(controls.command3);
        if (rounds == 12000)
            pause.click(controls, pump, flags); // the second click arrives through the pump
    });
    pause.click(controls, pump, flags);
    EXPECT_EQ(rounds, 12000);
    EXPECT_FALSE(pause.PauseFlag());
    ASSERT_EQ(controls.colours.size(), 3u);
    EXPECT_EQ(controls.colours[0], colours::Green); // after round 5001
    EXPECT_EQ(controls.colours[1], colours::Magenta);
    EXPECT_EQ(controls.colours[2], QColor(212, 208, 200));
    EXPECT_TRUE(controls.command3);
    EXPECT_FALSE(controls.chkTrak);
}

TEST(Pause, ClosingTheWindowEndsThePauseAndRestoresTheControls) {
    PauseButton pause;
    FakePauseControls controls;
    controls.chkTrak = true;
    RunFlags flags;
    CallbackEventPump pump;
    pump.setHook([&] {
        EXPECT_FALSE(controls.chkTrak);
        if (pump.count() == 3)
            flags.ExitRequested = true;
    });
    pause.click(controls, pump, flags);
    EXPECT_EQ(pump.count(), 4); // the round that sees the flag still pumps once
    EXPECT_FALSE(pause.PauseFlag());
    EXPECT_TRUE(controls.chkTrak);
    EXPECT_TRUE(controls.command3);
    EXPECT_EQ(controls.colour, QColor(212, 208, 200));

    // The colour saved before the first pause is the one restored later, even after the
    // button was recoloured in between.
    controls.colour = colours::Red;
    flags.ExitRequested = false;
    pump.setHook([&] { flags.ExitRequested = true; });
    pause.click(controls, pump, flags);
    EXPECT_EQ(controls.colour, QColor(212, 208, 200));
}
