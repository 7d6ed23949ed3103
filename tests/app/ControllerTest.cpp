#include "app/core/Clock.h"
#include "app/core/EventPump.h"
#include "app/core/ProgramFolder.h"
#include "app/core/SettingsFile.h"
#include "app/core/SoundPlayer.h"
#include "app/core/TextFile.h"
#include "app/gui/FloatingTextWindow.h"
#include "app/gui/MainController.h"
#include "app/gui/MainWindow.h"
#include "app/gui/PictureBox.h"
#include "app/gui/SettingsBinding.h"
#include "app/gui/UiForms.h"
#include "app/shell/SplashView.h"
#include "autotest/variables/FrmAutoTest.h"
#include "setup/frmsetup.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

class QuietSplash : public SplashView {
  public:
    void setStatus(const QString& text) override { last = text; }
    void closeSplash() override { closed = true; }
    QString last;
    bool closed = false;
};

// What the operator sees: the places of the shown controls.
QList<QRect> shownGeometries(QWidget& window) {
    QList<QRect> out;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (w->isVisibleTo(&window))
            out << w->geometry();
    }
    return out;
}

int darkPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qGray(image.pixel(x, y)) < 100;
    return count;
}

class ControllerTest : public ::testing::Test {
  protected:
    ControllerTest()
        : controller({folder.path(), messages, sound, clock, pump, [this](const QUrl& url) {
                          opened << url;
                          return true;
                      }}) {
        controller.window().resize(900, 650);
    }
    QString iniPath() const { return joinPath(folder.path(), {"orvane.ini"}); }
    QAction* action(const char* name) {
        return controller.window().findChild<QAction*>(QString::fromLatin1(name));
    }

    testkit::TempFolder folder;
    testkit::RecordingMessageBoxes messages;
    SilentSoundPlayer sound;
    VirtualClock clock;
    CallbackEventPump pump;
    QList<QUrl> opened;
    MainController controller;
};

TEST_F(ControllerTest, FirstStartWithoutSettingsFile) {
    QuietSplash splash;
    const auto result = controller.start(splash);

    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->failure, SettingsFailure::SectionA);
    EXPECT_TRUE(controller.waitForIt());
    EXPECT_EQ(messages.titles(), QStringList{"Initialization Error :("});
    frmsetup* setup = controller.setupMenus().setupDialog();
    ASSERT_NE(setup, nullptr);
    EXPECT_TRUE(setup->isVisible());
    EXPECT_FALSE(setup->isModal());
    EXPECT_TRUE(splash.closed);
    EXPECT_TRUE(controller.window().isVisible());
    EXPECT_TRUE(controller.window().ui().Text1->isVisible()); // debug display forced on
    EXPECT_TRUE(controller.flags().Manual);
    EXPECT_TRUE(controller.timer1().isActive());
    EXPECT_EQ(controller.timer1().interval(), 25);
    EXPECT_GT(darkPixels(controller.window().ui().Picture2->image()), 500);
    // The first tick enters the live loop, which then runs frame after frame.
    EXPECT_TRUE(QTest::qWaitFor([&] { return controller.flags().LoopRunning; }, 2000));
    EXPECT_TRUE(controller.liveLoop().running());

    // The first run goes on from the setup dialog to the save options, both modeless.
    setup->findChild<QPushButton*>("cmdOK")->click();
    auto* saveOptions = controller.window().findChild<QDialog*>("SaveOptions");
    ASSERT_NE(saveOptions, nullptr);
    EXPECT_TRUE(saveOptions->isVisible());
    EXPECT_FALSE(saveOptions->isModal());
}

TEST_F(ControllerTest, ABadAutoTestValueOpensTheAutoTestDialog) {
    Settings saved;
    saved.StepSize = saved.LRStepSize = 0.000125;
    ASSERT_TRUE(SaveSettings(saved, folder.path(), messages));
    QStringList lines = *readTextLines(iniPath());
    lines[43] = QStringLiteral("fifteen"); // TFRoughFrames
    ASSERT_TRUE(writeTextFile(iniPath(), crlfJoin(lines)));
    QuietSplash splash;
    const auto result = controller.start(splash);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->failure, SettingsFailure::SectionC);
    ASSERT_NE(controller.setupMenus().autoTestDialog(), nullptr);
    EXPECT_TRUE(controller.setupMenus().autoTestDialog()->isVisible());
    EXPECT_EQ(controller.setupMenus().setupDialog(), nullptr);
}

// Runs `action` and, once its modal dialog is up, hands the dialog to `answer`; returns the
// dialog's object name ("" when none came up).
QString answerModal(QAction* action, const std::function<void(QDialog&)>& answer) {
    QString seen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = dialog->objectName();
        answer(*dialog);
    });
    action->trigger();
    return seen;
}

TEST_F(ControllerTest, MenuDialogsOpenModalAndTheirChangesLand) {
    const auto reject = [](QDialog& d) { d.reject(); };
    EXPECT_EQ(answerModal(action("mnuKnife"),
                          [](QDialog& d) {
                              d.findChild<QAbstractButton*>("Option1_1")->click();
                              d.findChild<QPushButton*>("cmdOK")->click();
                          }),
              "frmOptions");
    EXPECT_TRUE(controller.settings().KnifeRight);
    EXPECT_EQ(answerModal(action("mnuReps"), reject), "Dialog");
    EXPECT_FALSE(QFile::exists(iniPath()));
    EXPECT_EQ(answerModal(action("mnuSave"), reject), "SaveOptions");
    EXPECT_TRUE(QFile::exists(iniPath())); // saved even after Cancel

    // A mirror saved in the editor becomes current: zones, Text2, Save Data and the list.
    EXPECT_EQ(answerModal(action("mnuEditMirror"),
                          [](QDialog& d) {
                              d.findChild<QLineEdit*>("NName")->setText("Newt10");
                              d.findChild<QLineEdit*>("Ndiam")->setText("10");
                              d.findChild<QLineEdit*>("NRoc")->setText("100");
                              d.findChild<QPushButton*>("Command2")->click();
                          }),
              "frmEdit");
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(controller.flags().ZoneOn);
    EXPECT_EQ(controller.state().mirror.WorkFile, "Newt10");
    EXPECT_TRUE(controller.window().ui().Text2->toPlainText().contains("Perf#"));
    EXPECT_TRUE(controller.window().ui().Command5->isEnabled());
    EXPECT_EQ(controller.window().mirrorListItem(1)->text(), "Newt10");
    EXPECT_TRUE(controller.window().mirrorListItem(1)->isVisible());
}

TEST_F(ControllerTest, ClosingSavesTheSettingsOnceAndStops) {
    QuietSplash splash;
    controller.start(splash);
    controller.window().close();

    const auto lines = readTextLines(iniPath());
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(lines->size(), 51);
    EXPECT_EQ(lines->at(36), "True");
    EXPECT_FALSE(controller.timer1().isActive());
    EXPECT_TRUE(controller.flags().ExitRequested);
    EXPECT_TRUE(controller.window().ui().abort->isChecked());
    EXPECT_GE(clock.nowNs(), 4'000'000'000LL); // splash dots, then the drain

    ASSERT_TRUE(QFile::remove(iniPath()));
    controller.window().close(); // a second unload
    EXPECT_FALSE(QFile::exists(iniPath()));
}

TEST_F(ControllerTest, SavedSettingsComeBackIntoTheControls) {
    Settings saved;
    saved.menus.invert = true;
    saved.menus.lrSwapCaption = QStringLiteral("&Reverse L/R Motor *");
    saved.Maxdelay = 3000;
    saved.sldAcell = 7;
    saved.SavePicture = 1;
    saved.DebugDisplay = false;
    saved.MoreText = true;
    saved.mirrorList[0] = QStringLiteral("Newt8");
    saved.mirrorList[1] = QString();
    saved.StepSize = saved.LRStepSize = 0.0001;
    ASSERT_TRUE(SaveSettings(saved, folder.path(), messages));
    QuietSplash splash;
    controller.start(splash);

    Ui::frmMain& ui = controller.window().ui();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(ui.mnuinvert->isChecked());
    EXPECT_EQ(ui.mnuLRswap->text(), "&Reverse L/R Motor *");
    EXPECT_EQ(ui.Maxdelay->value(), 3000);
    EXPECT_EQ(ui.sldAcell->value(), 7);
    EXPECT_TRUE(ui.Save_picture->isChecked());
    EXPECT_FALSE(ui.Text1->isVisible());
    EXPECT_EQ(controller.window().mirrorListItem(1)->text(), "Newt8");
    EXPECT_TRUE(controller.window().mirrorListItem(1)->isVisible());
    EXPECT_FALSE(controller.window().mirrorListItem(2)->isVisible());
}

TEST_F(ControllerTest, ControlChangesReachTheSettings) {
    Ui::frmMain& ui = controller.window().ui();
    ui.MnuFixed->trigger();
    EXPECT_FALSE(QFile::exists(iniPath())); // the light source waits for the next save
    ui.mnuinvert->trigger();
    EXPECT_EQ(readTextLines(iniPath()), settingsLines(controller.settings()));
    ui.Mindelay->setValue(250);
    ui.Save_picture->setChecked(true);
    ui.abort->setChecked(true);
    const Settings& s = controller.settings();
    EXPECT_TRUE(s.menus.fixedSource);
    EXPECT_TRUE(ui.MnuFixed->isChecked());
    EXPECT_TRUE(s.menus.invert);
    EXPECT_TRUE(ui.mnuinvert->isChecked());
    EXPECT_EQ(s.Mindelay, 250);
    EXPECT_EQ(s.SavePicture, 1);
    EXPECT_TRUE(controller.flags().abort);
    ui.MnuFixed->trigger();
    EXPECT_FALSE(s.menus.fixedSource);
    EXPECT_FALSE(ui.MnuFixed->isChecked());
}

TEST_F(ControllerTest, ToggleDebugTwiceRestoresTheLayoutAndTheSettingIsSaved) {
    MainWindow& w = controller.window();
    w.show();
    controller.binding().showSettings();
    const bool before = controller.settings().DebugDisplay;
    const QList<QRect> layout = shownGeometries(w);
    action("mnuDebug")->trigger();
    EXPECT_NE(controller.settings().DebugDisplay, before);
    EXPECT_NE(w.ui().Text1->isVisible(), before);
    EXPECT_NE(shownGeometries(w), layout);
    action("mnuDebug")->trigger();
    EXPECT_EQ(controller.settings().DebugDisplay, before);
    EXPECT_EQ(shownGeometries(w), layout);

    action("mnuDebug")->trigger();
    controller.saveSettings();
    EXPECT_EQ(readTextLines(iniPath())->at(36), before ? "False" : "True");
}

TEST_F(ControllerTest, ToggleMoreTextStretchesText2) {
    MainWindow& w = controller.window();
    w.show();
    const int height = w.ui().Text2->height();
    action("MnuMoreText")->trigger();
    EXPECT_TRUE(controller.settings().MoreText);
    EXPECT_GT(w.ui().Text2->height(), height);
    EXPECT_EQ(w.ui().Picture3->x(), w.ui().Text2->x() - 40);
    action("MnuMoreText")->trigger();
    EXPECT_EQ(w.ui().Text2->height(), height);
}

TEST_F(ControllerTest, ToggleBarsClearsPicture2) {
    controller.window().show();
    PictureBox& p2 = *controller.window().ui().Picture2;
    p2.image().fill(Qt::black);
    action("MnuBars")->trigger();
    EXPECT_TRUE(controller.state().view.barsOff);
    EXPECT_EQ(darkPixels(p2.image()), 0);
    action("MnuBars")->trigger();
    EXPECT_FALSE(controller.state().view.barsOff);
}

TEST_F(ControllerTest, SetDistanceMenuChangesNothing) {
    controller.window().show();
    const QStringList before = settingsLines(controller.settings());
    const QList<QRect> layout = shownGeometries(controller.window());
    action("mnustepsize")->trigger();
    EXPECT_EQ(settingsLines(controller.settings()), before);
    EXPECT_EQ(shownGeometries(controller.window()), layout);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(controller.setupMenus().setupDialog(), nullptr);
}

TEST_F(ControllerTest, FloatingTextWindowFollowsTheMainTexts) {
    action("mnuText")->trigger();
    FloatingTextWindow* text = controller.floatingText();
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->isVisible());
    EXPECT_EQ(text->parentWidget(), &controller.window());
    controller.window().ui().Text2->setPlainText(QStringLiteral("Zone 1  0.123"));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return text->ui().Text2->toPlainText() == "Zone 1  0.123"; }, 1000));
    EXPECT_EQ(text->ui().Text1->toPlainText(), "Debug Output Screen\n");
    action("mnuText")->trigger(); // the same window again
    EXPECT_EQ(controller.floatingText(), text);
}

TEST_F(ControllerTest, F1OpensTheManualAtTheMenusSection) {
    ASSERT_TRUE(writeTextFile(joinPath(folder.path(), {"ORVANE.html"}), "<html>"));
    QuietSplash splash;
    controller.start(splash);
    QTest::keyClick(controller.window().ui().mnuRecent, Qt::Key_F1);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].fragment(), "context240");
}

TEST_F(ControllerTest, SetupAndAutoTestMenusOpenOneModelessDialogEach) {
    SetupMenuWiring& menus = controller.setupMenus();
    action("mnuWizard")->trigger();
    action("MnuAuto")->trigger();
    QPointer<frmsetup> setup = menus.setupDialog();
    QPointer<FrmAutoTest> autoTest = menus.autoTestDialog();
    ASSERT_TRUE(setup && autoTest);
    EXPECT_TRUE(setup->isVisible() && !setup->isModal());
    EXPECT_TRUE(autoTest->isVisible() && !autoTest->isModal());
    action("mnuWizard")->trigger(); // the open one again
    action("MnuAuto")->trigger();
    EXPECT_EQ(menus.setupDialog(), setup);
    EXPECT_EQ(menus.autoTestDialog(), autoTest);
    EXPECT_EQ(controller.window().findChildren<frmsetup*>().size(), 1);

    // A speed changed in the setup dialog reaches the main window's slider.
    setup->findChild<QSlider*>("Slider1")->setValue(3210);
    setup->copyControlsToSettings();
    EXPECT_EQ(controller.window().ui().Maxdelay->value(), 3210);
    setup->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return setup.isNull(); }, 1000));
}

TEST_F(ControllerTest, LoadWhileClosingOnlyTicksAbort) {
    controller.flags().ExitRequested = true;
    QuietSplash splash;
    EXPECT_FALSE(controller.start(splash).has_value());
    EXPECT_TRUE(controller.window().ui().abort->isChecked());
    EXPECT_TRUE(splash.last.isEmpty());
    EXPECT_FALSE(controller.timer1().isActive());
}

} // namespace
