// Qt's message boxes, and the whole program's controller on the simulated bench in virtual time.
#include "app/gui/FloatingTextWindow.h"
#include "app/gui/HelpViewer.h"
#include "app/gui/MainController.h"
#include "app/gui/MainWindow.h"
#include "app/gui/PictureBox.h"
#include "app/gui/QtMessageBoxes.h"
#include "app/gui/UiForms.h"
#include "app/gui/WindowPlacement.h"
#include "app/shell/SharedFiles.h"
#include "app/shell/SplashView.h"
#include "autotest/widgets/FrmAutoTest.h"
#include "core/Clock.h"
#include "core/EventPump.h"
#include "core/ProgramFolder.h"
#include "core/SoundPlayer.h"
#include "core/TextFile.h"
#include "setup/widgets/frmsetup.h"
#include "support/DefaultSettings.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QChartView>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

TEST(Widgets, MessageBoxesAreBuiltAsGiven) {
    const auto box = QtMessageBoxes::build({"Sure?", "Overwrite?", MessageIcon::Exclamation,
                                            MessageButtons::OkCancel, MessageAnswer::Cancel},
                                           nullptr);
    EXPECT_EQ(box->windowTitle() + box->text(), "Sure?Overwrite?");
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Cancel));
}

TEST(Widgets, DialogsComeBackWhereTheyWereLeftAndInsideTheScreen) {
    testkit::TempFolder folder;
    WindowPlacement placement(folder.path());
    qApp->installEventFilter(&placement);
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        int contentsHeight;
        std::optional<QRect> left; // where the user left it the first time
    } cases[] = {{100, QRect(40, 30, 300, 200)}, {3000, std::nullopt}};
    for (const auto& c : cases) {
        for (int opening = 0; opening < 2; ++opening) {
            QDialog dialog;
            dialog.setObjectName(QString("Dialog%1").arg(c.contentsHeight));
            (new QVBoxLayout(&dialog))->addSpacerItem(new QSpacerItem(200, c.contentsHeight));
            dialog.show();
            QCoreApplication::processEvents(); // the fitting runs after the show
            EXPECT_TRUE(room.contains(dialog.frameGeometry())) << c.contentsHeight;
            EXPECT_EQ(dialog.findChild<QScrollArea*>() != nullptr,
                      c.contentsHeight > room.height());
            if (c.left && opening == 0) {
                dialog.setGeometry(*c.left);
            } else if (c.left) {
                EXPECT_EQ(dialog.geometry(), *c.left);
            }
        }
    }
    qApp->removeEventFilter(&placement);
}

// Pixels of `image` unlike its top-left one.
int pixelsUnlikeTheCorner(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != image.pixel(0, 0);
    return count;
}

// Runs `action` and hands its modal dialog to `answer`; returns the dialog's name.
QString answerModal(QAction* action, const std::function<void(QDialog&)>& answer) {
    QString seen;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            seen = dialog->objectName();
            answer(*dialog);
        }
    });
    action->trigger();
    return seen;
}

void click(QObject& in, const char* button) {
    in.findChild<QAbstractButton*>(button)->click();
}

class ControllerTest : public ::testing::Test, public SplashView {
  protected:
    void setStatus(const QString&) override {}
    void closeSplash() override {}

    // Settings with the "Demo" mirror in the list and its record, then the start-up.
    void startWithTheDemoMirror() {
        Settings saved = testkit::firstRunSettings();
        saved.mirrorList[0] = QStringLiteral("Demo");
        saved.textpath = folder.file("data");
        ASSERT_TRUE(SaveSettings(saved, folder.path(), messages) &&
                    ensureFolder(folder.file("mirrors")));
        ASSERT_TRUE(writeTextFile(folder.file("mirrors/Demo.ini"),
                                  crlfJoin({"Demo", "6", "48", "-1", "0", "5", "1"})));
        controller.start(*this);
        controller.liveTimer().stop(); // the tests run the passes themselves
    }
    void passes(int count) {
        for (int i = 0; i < count; ++i)
            controller.liveLoop().runPass();
    }
    Ui::frmMain& ui() { return controller.window().ui(); }
    const MainControls& controls() { return controller.window().controls(); }
    QAction* action(const char* name) { return controller.window().findChild<QAction*>(name); }
    QStringList iniLines() { return readTextLines(settingsFilePath(folder.path())).value(); }

    testkit::TempFolder folder;
    testkit::RecordingMessageBoxes messages;
    SilentSoundPlayer sound;
    VirtualClock clock;
    CallbackEventPump pump;
    MainController controller{{folder.path(), messages, sound, clock, pump}};
    Settings& settings = controller.settings();
    ProgramState& program = controller.program();
};

TEST_F(ControllerTest, FirstStartOpensTheSetupChainAndTheLoopAndClosingSavesTheSettings) {
    ASSERT_EQ(controller.start(*this)->failure, SettingsFailure::SectionA);
    frmsetup* setup = controller.setupMenus().setupDialog();
    ASSERT_TRUE(setup && setup->isVisible() && !setup->isModal());
    EXPECT_TRUE(controls().debugLog->isVisible()); // the debug display is forced on
    EXPECT_GT(pixelsUnlikeTheCorner(controls().zoneBars->image()), 500); // the instructions
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller.liveLoop().running(); }, 2000));
    click(*setup, "cmdOK"); // the first run goes on to the save options
    auto* saveOptions = controller.window().findChild<QDialog*>("SaveOptions");
    ASSERT_TRUE(saveOptions && saveOptions->isVisible() && !saveOptions->isModal());

    controller.window().close();
    EXPECT_EQ(iniLines(), settingsLines(settings));
    EXPECT_TRUE(settings.DebugDisplay && controls().abortCheck->isChecked());
    EXPECT_FALSE(controller.liveTimer().isActive());
}

TEST_F(ControllerTest, ABadAutoTestValueOpensTheAutoTestDialogAndLoadingWhileClosingAborts) {
    QStringList lines = settingsLines(testkit::firstRunSettings());
    lines[43] = QStringLiteral("fifteen");
    ASSERT_TRUE(writeTextFile(settingsFilePath(folder.path()), crlfJoin(lines)));
    EXPECT_EQ(controller.start(*this)->failure, SettingsFailure::SectionC);
    FrmAutoTest* autoTest = controller.setupMenus().autoTestDialog();
    EXPECT_TRUE(autoTest && autoTest->isVisible() && !controller.setupMenus().setupDialog());
    MainController closing({folder.path(), messages, sound, clock, pump});
    closing.program().beginClosing();
    EXPECT_FALSE(closing.start(*this).has_value());
    EXPECT_TRUE(closing.window().controls().abortCheck->isChecked());
}

TEST_F(ControllerTest, SavedSettingsComeBackIntoTheControlsAndChangesGoBack) {
    Settings saved = testkit::firstRunSettings();
    saved.menus.invert = saved.menus.lrSwap = true;
    saved.SavePicture = 1;
    saved.mirrorList[1] = QStringLiteral("Newt8");
    ASSERT_TRUE(SaveSettings(saved, folder.path(), messages));
    controller.start(*this);
    EXPECT_TRUE(ui().mnuinvert->isChecked() && ui().mnuLRswap->isChecked());
    EXPECT_TRUE(controls().savePicturesCheck->isChecked() && !controls().debugLog->isVisible());
    EXPECT_TRUE(controller.window().mirrorListItem(2)->isVisible());
    EXPECT_FALSE(controller.window().mirrorListItem(1)->isVisible());

    controls().fastestDelay->setValue(250);
    controls().savePicturesCheck->setChecked(false);
    controls().abortCheck->setChecked(true);
    EXPECT_EQ(QList<int>({settings.Mindelay, settings.SavePicture, program.abortRequested()}),
              QList<int>({250, 0, 1}));
    const QStringList before = iniLines();
    ui().MnuFixed->trigger(); // the light source waits for the next save
    EXPECT_EQ(iniLines(), before);
    ui().mnuSwapMotors->trigger(); // the reversals go with the motors
    EXPECT_EQ(ui().mnuTFswap->text(), "&Reverse L/R Motor");
    EXPECT_TRUE(ui().mnuTFswap->isChecked() && !ui().mnuLRswap->isChecked());
    ui().mnuTFswap->trigger();
    ui().mnuinvert->trigger();
    EXPECT_FALSE(ui().mnuTFswap->isChecked() || ui().mnuinvert->isChecked());
    EXPECT_EQ(iniLines(), settingsLines(settings));
}

TEST_F(ControllerTest, MenusOpenTheirDialogsAndTheirChangesLand) {
    const auto reject = [](QDialog& d) { d.reject(); };
    EXPECT_EQ(answerModal(action("mnuReps"), reject) + answerModal(action("mnuSave"), reject),
              "DialogSaveOptions");
    EXPECT_EQ(iniLines(), settingsLines(settings)); // saved even after Cancel

    // A mirror saved in the editor becomes current: zones, Text2, Save Data and the list.
    EXPECT_EQ(answerModal(action("mnuEditMirror"),
                          [](QDialog& d) {
                              d.findChild<QObject*>("NName")->setProperty("text", "Newt10");
                              d.findChild<QObject*>("Ndiam")->setProperty("text", "10");
                              d.findChild<QObject*>("NRoc")->setProperty("text", "100");
                              click(d, "Command2");
                          }),
              "frmEdit");
    EXPECT_TRUE(program.zonesReady() && controls().saveDataButton->isEnabled());
    EXPECT_TRUE(controls().readingsTable->toPlainText().contains("Perf#"));
    EXPECT_EQ(controller.window().mirrorListItem(1)->text(), "Newt10");

    // The setup and auto-test menus open one modeless dialog each.
    for (const char* menu : {"mnuWizard", "MnuAuto", "mnuWizard", "MnuAuto"})
        action(menu)->trigger();
    frmsetup* setup = controller.setupMenus().setupDialog();
    ASSERT_TRUE(setup && controller.setupMenus().autoTestDialog());
    EXPECT_EQ(controller.window().findChildren<QDialog*>().size(), 2);
    setup->findChild<QObject*>("Slider1")->setProperty("value", 3210); // reaches the window
    setup->copyControlsToSettings();
    EXPECT_EQ(controls().slowestDelay->value(), 3210);
}

TEST_F(ControllerTest, MoreTextStretchesText2BesideTheBarsAndGivesItBack) {
    controller.window().show();
    const QRect readingsTable = controls().readingsTable->geometry();
    action("MnuMoreText")->trigger();
    EXPECT_EQ(controls().speedGauge->x(), controls().readingsTable->x() - 40);
    EXPECT_GT(controls().readingsTable->height(), readingsTable.height());
    action("MnuMoreText")->trigger();
    EXPECT_EQ(controls().readingsTable->geometry(), readingsTable);
}

TEST_F(ControllerTest, InstructionsPrintAfreshAtEverySizeSoAllStepsSurviveAShrink) {
    startWithTheDemoMirror();
    MainWindow& window = controller.window();
    window.show();
    for (bool reset : {false, true}) {
        if (reset)
            controls().resetButton->click();
        window.resize(1100, 800);
        const QImage whole = controls().zoneBars->image();
        window.resize(window.minimumSizeHint());
        const QImage small = controls().zoneBars->image();
        EXPECT_EQ(pixelsUnlikeTheCorner(small.copy(0, small.height() - 2, small.width(), 2)), 0);
        window.resize(1100, 800);
        EXPECT_EQ(controls().zoneBars->image(), whole) << "reset " << reset;
    }
}

TEST_F(ControllerTest, SaveDataWithNoMirrorOrNoTestOnlySaysSo) {
    startWithTheDemoMirror();
    settings.Savetext = true;
    for (bool mirrorLoaded : {false, true}) {
        if (mirrorLoaded)
            controller.window().mirrorListItem(1)->trigger();
        controls().saveDataButton->setEnabled(true);
        controls().saveDataButton->click();
    }
    EXPECT_EQ(messages.titles().count("Nothing to Save"), 2);
    EXPECT_FALSE(QFileInfo::exists(folder.file("data")) ||
                 QFileInfo::exists(folder.file("mirrors/.ini")));
}

TEST_F(ControllerTest, HelpOpensTheManualInsideTheProgramAtTheAskedSection) {
    installMissingSharedFiles(folder.path(),
                              shareFolderCandidates(QApplication::applicationDirPath()));
    startWithTheDemoMirror();
    for (const char* entry : {"mnuHelpContents", "mnuHelpKeys"}) {
        action(entry)->trigger();
        const auto* viewer = controller.window().findChild<HelpViewer*>();
        ASSERT_TRUE(viewer && viewer->isVisible()) << entry;
        EXPECT_GE(viewer->findChild<QListWidget*>()->count(), 10);
    }
    const QTextBrowser* text = controller.window().findChild<QTextBrowser*>("helpText");
    EXPECT_GT(text->verticalScrollBar()->value(), 0); // the keys are far down the manual
    action("mnuAbout")->trigger();
    EXPECT_EQ(messages.titles(), QStringList{"About ORVANE"});
    EXPECT_TRUE(messages.texts()[0].contains(qVersion()));
}

TEST_F(ControllerTest, OnTheBenchAMirrorGivesFramesAndBarsAClickCentresItAndKeysJogTheMotors) {
    startWithTheDemoMirror();
    passes(1);
    const QImage instructions = controls().zoneBars->image();
    controller.window().mirrorListItem(1)->trigger();
    EXPECT_TRUE(
        controls().readingsTable->toPlainText().contains("Zone\tInner\tOuter\tRadius\tPerf#\n1\t"));
    passes(3);
    EXPECT_GT(pixelsUnlikeTheCorner(controls().liveView->image()), 10000); // the lit mirror
    EXPECT_NE(controls().zoneBars->image(), instructions);                 // bars replace the text
    QTest::mouseClick(controls().liveView, Qt::LeftButton, {}, QPoint(150, 110));
    const MirrorCircle& circle = controller.state().circle;
    EXPECT_NEAR(circle.x, 160, 2);
    EXPECT_NEAR(circle.radius, 100, 3);
    controls().averagingSlider->setValue(5);
    EXPECT_EQ(controller.hardware().measurer().framesToAverage(), 5);

    StepperDriver& driver = controller.hardware().driver();
    for (Qt::Key key : {Qt::Key_K, Qt::Key_M}) { // whichever control has the focus
        QTest::keyPress(controls().readingsTable, key);
        passes(12);
        QTest::keyRelease(controls().readingsTable, key);
        passes(60);
    }
    EXPECT_GE(driver.xpos(), 12);
    EXPECT_GE(driver.ypos(), 10); // M moves the platform away from the mirror
    SimulatedBench& bench = controller.hardware().bench();
    EXPECT_EQ(QList<qint64>({bench.knifeMotor().halfSteps(), bench.platformMotor().halfSteps()}),
              QList<qint64>({driver.xpos(), -driver.ypos()}));
    controls().resetButton->click(); // Reset
    EXPECT_FALSE(program.zonesReady() || controls().saveDataButton->isEnabled() ||
                 driver.xpos() != 0);

    ASSERT_TRUE(QFile::remove(folder.file("mirrors/Demo.ini"))); // a record gone missing
    controller.window().mirrorListItem(1)->trigger();
    EXPECT_FALSE(program.zonesReady() || controller.window().mirrorListItem(1)->isVisible());
    controller.capture().shutdown(); // no driver delivers frames
    QTest::mouseClick(controls().liveView, Qt::LeftButton, {}, QPoint(60, 60));
    EXPECT_EQ(messages.titles(), QStringList({"Oh Shit!", "Auto Center-Size"}));
}

TEST_F(ControllerTest, TheTestTakesOverTheWindowAndAnAbortGivesItBack) {
    startWithTheDemoMirror();
    controller.window().mirrorListItem(1)->trigger();
    passes(3);
    controller.liveTimer().start();
    controls().startTestButton->click();
    TestRunWiring& test = controller.testRun();
    EXPECT_TRUE(test.running());
    EXPECT_FALSE(program.liveAllowed() || controller.liveTimer().isActive() ||
                 controls().resetButton->isEnabled());
    for (int i = 0; i < 5; ++i)
        test.runStep();
    EXPECT_TRUE(controls().debugLog->toPlainText().contains("Now working on Zone 1\n"));
    controls().abortCheck->setChecked(true);
    EXPECT_FALSE(test.runStep());
    EXPECT_TRUE(controls().readingsTable->toPlainText().startsWith("Elapsed Test Time, "));
    EXPECT_TRUE(program.liveAllowed() && controller.liveTimer().isActive() &&
                controls().startTestButton->isEnabled());
    EXPECT_TRUE(controller.liveLoop().runPass()); // carries on where it stood
    EXPECT_EQ(controller.state().outputs.MotorStatus, "Test Aborted!");
    // Only a completed test shows its verdict by itself; any readings show it when asked.
    EXPECT_FALSE(controller.verdict().window());
    controller.verdict().showLastTest();
    ASSERT_TRUE(controller.verdict().window() && controller.verdict().window()->isVisible())
        << messages.texts().join('|').toStdString();

    controls().abortCheck->setChecked(false);
    controls().startTestButton->click();
    for (int i = 0; i < 5; ++i)
        test.runStep();
    const QLabel* progress = controller.window().findChild<QLabel*>("testProgress");
    EXPECT_TRUE(progress->text().startsWith("Set 1 of 1, zone 1 of 5, 0:00 elapsed"));
    messages.answers = {MessageAnswer::Cancel, MessageAnswer::Ok};
    for (bool closes : {false, true}) { // closing asks first; a test kept runs on
        EXPECT_EQ(controller.window().close(), closes);
        EXPECT_EQ(test.running(), !closes);
    }
    EXPECT_EQ(messages.shown.last().icon, MessageIcon::Question);
    EXPECT_EQ(controller.state().outputs.MotorStatus, "Test Aborted!");
    EXPECT_EQ(controls().readingsTable->toPlainText().count("Elapsed Test Time, "), 2);
    EXPECT_TRUE(progress->isHidden());
    EXPECT_EQ(iniLines(), settingsLines(settings));
}

// A precision test repeated ten minutes later: the window shows the frames and time at the end,
// counts down to the next test and charts each one; "Abort Action" ends the wait.
TEST_F(ControllerTest, ARepeatedTestCountsDownToItsNextRunAndChartsEachOne) {
    startWithTheDemoMirror();
    controller.state().testOptions = {{true, 0.00004}, {10, 3}};
    settings.KnifeRight = true; // as the built-in bench has it
    settings.autoTest = testkit::defaultSearchVariables();
    controller.window().mirrorListItem(1)->trigger();
    passes(3);
    QTest::mouseClick(controls().liveView, Qt::LeftButton, {}, QPoint(150, 110));
    controls().startTestButton->click();
    TestRunWiring& test = controller.testRun();
    while (test.runStep()) {
    }
    ASSERT_EQ(controller.state().outputs.MotorStatus, "Test Complete! :)");
    EXPECT_TRUE(controller.state().outputs.precision);
    const QString startsIn = controller.window().statusBar()->currentMessage();
    EXPECT_TRUE(startsIn.startsWith("Test 2 of 3 starts in 9:") &&
                startsIn.contains(". Last test: Frames per zone search: "))
        << startsIn.toStdString();
    ASSERT_TRUE(test.waiting() && test.seriesView() && test.seriesView()->isVisible());
    clock.spinNs(10 * 60'000'000'000LL);
    test.countDown();
    EXPECT_TRUE(test.running() && !test.waiting());
    while (test.runStep()) {
    }
    // Five zones and the conic, each with a point for each test so far.
    const QList<QAbstractSeries*> lines = test.seriesView()->chart()->series();
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(static_cast<QLineSeries*>(lines.last())->count(), 2);
    controls().abortCheck->setChecked(true);
    test.countDown();
    EXPECT_FALSE(test.waiting());
    EXPECT_EQ(controller.window().statusBar()->currentMessage(), "Repeated tests stopped.");
}

} // namespace
