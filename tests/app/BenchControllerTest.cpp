// The whole program's controller on the simulated bench, in virtual time.
#include "app/core/Clock.h"
#include "app/core/EventPump.h"
#include "app/core/ProgramFolder.h"
#include "app/core/SettingsFile.h"
#include "app/core/SoundPlayer.h"
#include "app/core/TextFile.h"
#include "app/gui/MainController.h"
#include "app/gui/MainWindow.h"
#include "app/gui/PictureBox.h"
#include "app/gui/UiForms.h"
#include "app/shell/SplashView.h"
#include "capture/widgets/frmSelect.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

class QuietSplash : public SplashView {
  public:
    void setStatus(const QString&) override {}
    void closeSplash() override {}
};

// Pixels of `image` that differ from its top-left pixel.
int pixelsUnlikeTheCorner(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != image.pixel(0, 0);
    return count;
}

class BenchControllerTest : public ::testing::Test {
  protected:
    BenchControllerTest() {
        Settings saved;
        saved.StepSize = saved.LRStepSize = 0.000125;
        saved.DebugDisplay = true;
        saved.mirrorList[0] = QStringLiteral("Demo");
        saved.textpath = joinPath(folder.path(), {"data"});
        saved.autoTest.Max = 70;
        saved.autoTest.Min = 40;
        EXPECT_TRUE(SaveSettings(saved, folder.path(), messages));
        EXPECT_TRUE(ensureFolder(joinPath(folder.path(), {"mirrors"})));
        EXPECT_TRUE(writeTextFile(joinPath(folder.path(), {"mirrors", "Demo.ini"}),
                                  crlfJoin({"Demo", "6", "48", "-1", "0", "5", "1"}) + "\r\n"));
        controller = std::make_unique<MainController>(
            ControllerServices{folder.path(), messages, sound, clock, pump});
        controller->window().resize(900, 650);
        QuietSplash splash;
        controller->start(splash);
        controller->timer1().stop(); // the tests run the passes themselves
    }

    Ui::frmMain& ui() { return controller->window().ui(); }
    QString iniPath() const { return joinPath(folder.path(), {"orvane.ini"}); }
    void passes(int count) {
        for (int i = 0; i < count; ++i)
            controller->liveLoop().runPass();
    }
    StepperDriver& driver() { return controller->hardware().driver(); }
    SimulatedBench& bench() { return controller->hardware().bench(); }

    testkit::TempFolder folder;
    testkit::RecordingMessageBoxes messages;
    SilentSoundPlayer sound;
    VirtualClock clock;
    CallbackEventPump pump;
    std::unique_ptr<MainController> controller;
};

TEST_F(BenchControllerTest, StartsOnTheBenchWithItsDialogMenusOffAndTheMotorsReleased) {
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_FALSE(ui().mnuFormat->isEnabled());
    EXPECT_FALSE(ui().mnuSource->isEnabled());
    EXPECT_FALSE(ui().mnuDisplay->isEnabled());
    EXPECT_TRUE(ui().mnuSelect->isEnabled());
    EXPECT_EQ(bench().knifeMotor().halfSteps(), 0);
    EXPECT_TRUE(controller->flags().Manual);
    EXPECT_FALSE(controller->flags().ZoneOn);
}

TEST_F(BenchControllerTest, ABrokenHardwareFileIsToldOnceAndTheBenchRunsAnyway) {
    ASSERT_TRUE(
        writeTextFile(hardwareConfigPath(folder.path()),
                      "[port]\r\nbackend=teleport\r\n[bench]\r\nfile=/no/such/bench.ini\r\n"));
    testkit::RecordingMessageBoxes told;
    MainController second({folder.path(), told, sound, clock, pump});
    QuietSplash splash;
    second.start(splash);
    second.timer1().stop();
    ASSERT_EQ(told.titles(), QStringList{"Hardware Setup :("});
    EXPECT_TRUE(told.texts()[0].contains("teleport"));
    EXPECT_TRUE(told.texts()[0].contains("/no/such/bench.ini"));
    second.liveLoop().runPass();
    EXPECT_GT(pixelsUnlikeTheCorner(second.window().ui().Picture1->image()), 1000);
}

TEST_F(BenchControllerTest, SelectingTheMirrorTurnsZonesOnAndTheLoopShowsFramesAndBars) {
    passes(1);
    const QImage before = ui().Picture2->image();
    controller->window().mirrorListItem(1)->trigger();
    EXPECT_TRUE(controller->flags().ZoneOn);
    EXPECT_EQ(controller->state().mirror.WorkFile, "Demo");
    EXPECT_EQ(controller->state().mirror.NZ, 5);
    EXPECT_TRUE(ui().Text2->toPlainText().contains("Zone\tInner\tOuter\tRadius\tPerf#\n1\t"));
    EXPECT_TRUE(ui().Command5->isEnabled());
    EXPECT_GT(controller->state().zones.centerFrac[5], 0.9);

    passes(3);
    EXPECT_EQ(ui().Picture1->image().size(), QSize(320, 240));
    EXPECT_GT(pixelsUnlikeTheCorner(ui().Picture1->image()), 10000); // the lit mirror
    EXPECT_NE(ui().Picture2->image(), before);                       // bars replace the text
    EXPECT_EQ(ui().Picture2->image().size(), ui().Picture2->size());
    EXPECT_TRUE(controller->flags().LoopRunning);
}

TEST_F(BenchControllerTest, AMissingMirrorRecordIsReportedAndLeavesTheList) {
    ASSERT_TRUE(QFile::remove(joinPath(folder.path(), {"mirrors", "Demo.ini"})));
    controller->window().mirrorListItem(1)->trigger();
    EXPECT_EQ(messages.titles(), QStringList{"Oh Shit!"});
    EXPECT_FALSE(controller->flags().ZoneOn);
    EXPECT_FALSE(controller->window().mirrorListItem(1)->isVisible());
    EXPECT_FALSE(readTextLines(iniPath())->contains("Demo"));
}

TEST_F(BenchControllerTest, JogKeysMoveTheBenchMotorsAndThePositionsAgree) {
    passes(1);
    QTest::keyPress(ui().Text2, Qt::Key_K); // the keys work whichever control has the focus
    passes(12);
    // The system's auto-repeat sends releases while the key is held: they change nothing.
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_K, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(ui().Picture1, &repeat);
    passes(12);
    QTest::keyRelease(ui().Text2, Qt::Key_K);
    passes(60);
    EXPECT_GE(driver().xpos(), 24);
    EXPECT_EQ(bench().knifeMotor().halfSteps(), driver().xpos());
    const int knife = driver().xpos();

    QTest::keyPress(&controller->window(), Qt::Key_M);
    passes(10);
    QTest::keyRelease(&controller->window(), Qt::Key_M);
    passes(60);
    EXPECT_GE(driver().ypos(), 10); // M moves the platform away from the mirror
    EXPECT_EQ(bench().platformMotor().halfSteps(), -driver().ypos());
    EXPECT_EQ(driver().xpos(), knife);

    // With Ctrl the key belongs to a shortcut.
    QTest::keyPress(ui().Text2, Qt::Key_J, Qt::ControlModifier);
    passes(10);
    QTest::keyRelease(ui().Text2, Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(driver().xpos(), knife);
}

TEST_F(BenchControllerTest, AHeldKeyIsLetGoWhenTheWindowLosesTheKeyboard) {
    passes(1);
    QTest::keyPress(ui().Text2, Qt::Key_I);
    passes(5);
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&controller->window(), &deactivate);
    passes(60);
    const int platform = driver().ypos();
    EXPECT_LE(platform, -5); // I moves the platform towards the mirror
    passes(20);
    EXPECT_EQ(driver().ypos(), platform);
}

TEST_F(BenchControllerTest, SwapMotorsTwiceRestoresCaptionsAndChecksAndTheFileKeepsThem) {
    ui().mnuLRswap->trigger();
    EXPECT_TRUE(controller->settings().menus.lrSwap);
    EXPECT_TRUE(ui().mnuLRswap->isChecked());
    const QStringList before = *readTextLines(iniPath());

    ui().mnuSwapMotors->trigger();
    EXPECT_TRUE(ui().mnuSwapMotors->isChecked());
    EXPECT_EQ(ui().mnuLRswap->text(), "Reverse &To/From Mirror Motor");
    EXPECT_FALSE(ui().mnuLRswap->isChecked());
    EXPECT_EQ(ui().mnuTFswap->text(), "&Reverse L/R Motor");
    EXPECT_TRUE(ui().mnuTFswap->isChecked());
    const QStringList swapped = *readTextLines(iniPath());
    EXPECT_EQ(swapped, settingsLines(controller->settings()));
    EXPECT_NE(swapped, before);
    EXPECT_TRUE(swapped.contains("Reverse &To/From Mirror Motor"));

    ui().mnuSwapMotors->trigger();
    EXPECT_FALSE(ui().mnuSwapMotors->isChecked());
    EXPECT_EQ(ui().mnuLRswap->text(), "&Reverse L/R Motor");
    EXPECT_TRUE(ui().mnuLRswap->isChecked());
    EXPECT_EQ(ui().mnuTFswap->text(), "Reverse &To/From Mirror Motor");
    EXPECT_FALSE(ui().mnuTFswap->isChecked());
    EXPECT_EQ(*readTextLines(iniPath()), before);
}

TEST_F(BenchControllerTest, DoTheMagicWithoutAMirrorOnlySaysSo) {
    passes(1);
    ui().Command3->click();
    EXPECT_EQ(messages.titles(), QStringList{"Do the Zones!"});
    EXPECT_EQ(messages.texts(), QStringList{"Please setup zones first ;)"});
    EXPECT_FALSE(controller->testRun().running());
    EXPECT_TRUE(controller->flags().Manual);
    EXPECT_TRUE(controller->liveLoop().runPass());
}

TEST_F(BenchControllerTest, TheTestTakesOverTheWindowAndAnAbortGivesItBack) {
    controller->window().mirrorListItem(1)->trigger();
    passes(2);
    controller->timer1().start();
    ui().Command3->click();
    TestRunWiring& test = controller->testRun();
    EXPECT_TRUE(test.running());
    EXPECT_FALSE(controller->flags().Manual);
    EXPECT_FALSE(controller->timer1().isActive());
    EXPECT_FALSE(ui().Command3->isEnabled());
    EXPECT_FALSE(ui().Command1->isEnabled());
    EXPECT_FALSE(ui().Picture3->isVisibleTo(&controller->window()));

    // The live loop stands still while the test takes the frames.
    const qint64 knifeSteps = bench().knifeMotor().halfSteps();
    QTest::keyPress(ui().Text2, Qt::Key_K);
    controller->liveLoop().onTimer1();
    controller->liveLoop().onTimer1();
    QTest::keyRelease(ui().Text2, Qt::Key_K);
    EXPECT_EQ(bench().knifeMotor().halfSteps(), knifeSteps);
    EXPECT_TRUE(controller->flags().LoopRunning);

    for (int i = 0; i < 5; ++i)
        test.runStep();
    EXPECT_TRUE(ui().Text1->toPlainText().contains("Now working on Zone 1\n"));
    ui().abort->setChecked(true);
    EXPECT_FALSE(test.runStep());
    EXPECT_EQ(controller->state().outputs.MotorStatus, "Test Aborted!");
    EXPECT_TRUE(ui().Text2->toPlainText().startsWith("Elapsed Test Time, "));
    EXPECT_TRUE(controller->flags().Manual);
    EXPECT_TRUE(controller->timer1().isActive());
    EXPECT_TRUE(ui().Command3->isEnabled());
    EXPECT_TRUE(ui().Picture3->isVisibleTo(&controller->window()));
    EXPECT_FALSE(ui().Chk_trak->isChecked());

    // The live loop carries on where it stood, still telling how the test ended.
    EXPECT_TRUE(controller->liveLoop().runPass());
    EXPECT_TRUE(controller->flags().LoopRunning);
    EXPECT_EQ(controller->state().outputs.MotorStatus, "Test Aborted!");
}

TEST_F(BenchControllerTest, ClosingTheWindowEndsARunningTestAtItsNextFrame) {
    controller->window().mirrorListItem(1)->trigger();
    controller->window().show();
    ui().Command3->click();
    ASSERT_TRUE(controller->testRun().running());
    // The shutdown's wait lets the test take its frames.
    pump.setHook([this] { controller->testRun().runStep(); });
    controller->window().close();
    EXPECT_FALSE(controller->testRun().running());
    EXPECT_TRUE(controller->flags().ExitRequested);
    EXPECT_TRUE(ui().abort->isChecked());
}

TEST_F(BenchControllerTest, ResetTurnsZoneEvaluationOffAndZeroesThePositions) {
    controller->window().mirrorListItem(1)->trigger();
    QTest::keyPress(ui().Text2, Qt::Key_K);
    passes(5);
    QTest::keyRelease(ui().Text2, Qt::Key_K);
    passes(40);
    ASSERT_NE(driver().xpos(), 0);
    ui().Command1->click();
    EXPECT_FALSE(controller->flags().ZoneOn);
    EXPECT_EQ(ui().Text2->toPlainText(), "");
    EXPECT_FALSE(ui().Command5->isEnabled());
    EXPECT_EQ(driver().xpos(), 0);
    const QImage instructions = ui().Picture2->image();
    passes(2); // without zones the loop leaves the instructions alone
    EXPECT_EQ(ui().Picture2->image(), instructions);
}

TEST_F(BenchControllerTest, AClickNearTheMirrorCentresTheCircleAndNoPictureKeepsIt) {
    passes(1);
    QTest::mouseClick(ui().Picture1, Qt::LeftButton, {}, QPoint(150, 110));
    const MirrorCircle& circle = controller->state().circle;
    EXPECT_NEAR(circle.x, 160, 2);
    EXPECT_NEAR(circle.y, 120, 2);
    EXPECT_NEAR(circle.radius, 100, 3);
    EXPECT_EQ(ui().MirX->value(), circle.x);
    EXPECT_EQ(ui().MirRad->value(), circle.radius);
    EXPECT_TRUE(messages.shown.isEmpty());

    const MirrorCircle kept = circle;
    controller->capture().shutdown(); // no driver delivers frames
    QTest::mouseClick(ui().Picture1, Qt::LeftButton, {}, QPoint(60, 60));
    EXPECT_EQ(messages.titles(), QStringList{"Auto Center-Size"});
    EXPECT_EQ(messages.texts(), QStringList{"The camera gave no picture, so the circle was kept."});
    EXPECT_EQ(circle.x, kept.x);
    EXPECT_EQ(circle.radius, kept.radius);

    // While the test owns the camera a click does nothing.
    controller->flags().Manual = false;
    QTest::mouseClick(ui().Picture1, Qt::LeftButton, {}, QPoint(60, 60));
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(BenchControllerTest, ViewControlsReachTheLoop) {
    ui().Slider1->setValue(5);
    EXPECT_EQ(controller->hardware().measurer().framesToAverage(), 5);
    EXPECT_EQ(ui().Frame3->title(), "Averaging 5 Frames");
    ui().Chk_trak->setChecked(true);
    EXPECT_TRUE(controller->state().view.tracking);
    ui().MirX->setValue(150);
    EXPECT_EQ(controller->state().circle.x, 150);
}

TEST_F(BenchControllerTest, SelectingAVideoDriverHoldsTheLoopUntilTheDialogEnds) {
    ui().mnuSelect->trigger();
    frmSelect* select = controller->capture().selectDialog();
    ASSERT_NE(select, nullptr);
    EXPECT_TRUE(select->isVisible());
    EXPECT_FALSE(controller->flags().Manual);
    EXPECT_EQ(select->findChild<QComboBox*>("cmboSource")->currentText(),
              "ORVANE Simulated Foucault Bench");
    select->findChild<QPushButton*>("cmdSelect")->click();
    EXPECT_TRUE(controller->flags().Manual);
    EXPECT_EQ(controller->settings().VidSource, 0);
    EXPECT_FALSE(ui().mnuFormat->isEnabled());
}

TEST_F(BenchControllerTest, PauseHoldsTheButtonsUntilItIsClickedAgain) {
    int rounds = 0;
    bool heldInside = false;
    pump.setHook([&] {
        if (++rounds == 3) {
            heldInside = !ui().Command3->isEnabled() && !ui().Chk_trak->isEnabled();
            ui().cmdpause->click();
        }
    });
    ui().cmdpause->click();
    EXPECT_TRUE(heldInside);
    EXPECT_TRUE(ui().Command3->isEnabled());
    EXPECT_TRUE(ui().Chk_trak->isEnabled());
}

} // namespace
