#include "setup/frmsetup.h"
#include "setup/frmOptions.h"
#include "setup/frmStepSize.h"

#include "support/RecordingMessageBoxes.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace orvane;
using orvane::testkit::RecordingMessageBoxes;

namespace {
class frmsetupTest : public ::testing::Test {
  protected:
    frmsetupTest() {
        settings.StepSize = 0.000125;
        settings.LRStepSize = 0.000125;
        settings.Maxdelay = 2000;
        settings.Mindelay = 136;
        settings.sldAcell = 4;
        settings.autoTest.Max = 60;
        settings.autoTest.Min = 30;
        hooks.openSaveOptions = [this](QWidget* parent) { saveOptionsParents.append(parent); };
        hooks.openRepetitionOptions = [this](QWidget* parent) { repetitionParents.append(parent); };
        hooks.openSaveOptionsModeless = [this] { ++modelessSaveOptions; };
    }
    void open() {
        dialog = std::make_unique<frmsetup>(settings, waitForIt, messages, hooks);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    template <typename T> T* child(const char* name) {
        T* w = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QCheckBox* box(const char* name) { return child<QCheckBox>(name); }
    QSlider* slider(const char* name) { return child<QSlider>(name); }
    void click(const char* button) { child<QAbstractButton>(button)->click(); }

    // Runs `inside` once the next modal dialog is up, so exec() never waits for a person.
    template <typename Dialog> void whenModalOpens(std::function<void(Dialog&)> inside) {
        QTimer::singleShot(0, [this, inside] {
            auto* modal = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (!modal) {
                ADD_FAILURE() << "expected modal dialog missing";
                QApplication::activeModalWidget()->close();
                return;
            }
            modalParent = modal->parentWidget();
            inside(*modal);
        });
    }

    Settings settings;
    bool waitForIt = false;
    RecordingMessageBoxes messages;
    SetupDialogHooks hooks;
    QList<QWidget*> saveOptionsParents;
    QList<QWidget*> repetitionParents;
    QWidget* modalParent = nullptr;
    int modelessSaveOptions = 0;
    std::unique_ptr<frmsetup> dialog;
};

const QString LrCaption = QStringLiteral("&Reverse L/R Motor");
const QString TfCaption = QStringLiteral("Reverse &To/From Mirror Motor");
} // namespace

TEST_F(frmsetupTest, OpensWithTheCurrentSettings) {
    settings.menus.invert = true;
    settings.menus.tfSwap = true;
    settings.menus.fixedSource = true;
    open();
    EXPECT_EQ(dialog->windowTitle(), "Platfrom And Foucault Test setup");
    EXPECT_EQ(slider("Slider1")->value(), 2000);
    EXPECT_EQ(slider("Slider2")->value(), 136);
    EXPECT_EQ(slider("Slider3")->value(), 4);
    EXPECT_TRUE(box("Check1")->isChecked());
    EXPECT_FALSE(box("Check2")->isChecked());
    EXPECT_FALSE(box("Check3")->isChecked());
    EXPECT_TRUE(box("Check4")->isChecked());
    EXPECT_EQ(box("Check3")->text(), LrCaption);
    EXPECT_EQ(box("Check4")->text(), TfCaption);
    EXPECT_TRUE(child<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(slider("sldMax")->value(), 60);
    EXPECT_EQ(slider("sldmin")->value(), 30);
    EXPECT_EQ(child<QGroupBox>("Frame3")->title(), "Max Intensity = 60");
    EXPECT_EQ(child<QGroupBox>("Frame4")->title(), "Min Intensity = 30");
    QTabWidget* tabs = child<QTabWidget>("tbsOptions");
    ASSERT_EQ(tabs->count(), 5);
    const QStringList captions{"Invert Output?", "Motor Speed", "Axis Setup", "Foucault Settings",
                               "Zone Intensity"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tabs->tabText(i), captions[i]);
        EXPECT_EQ(tabs->widget(i)->objectName(), QStringLiteral("picOptions_%1").arg(i));
    }
    EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(frmsetupTest, UnsetIntensityLimitsLeaveTheSlidersAlone) {
    settings.autoTest.Min = 0;
    open();
    EXPECT_EQ(slider("sldMax")->value(), 70);
    EXPECT_EQ(slider("sldmin")->value(), 40);
    EXPECT_EQ(child<QGroupBox>("Frame3")->title(), "Max Intensity = 70");
    EXPECT_EQ(settings.autoTest.Max, 60);
}

TEST_F(frmsetupTest, CheckBoxesAndOptionsWriteTheMenus) {
    open();
    QSignalSpy changed(dialog.get(), &frmsetup::settingsChanged);
    click("Check1");
    EXPECT_TRUE(settings.menus.invert);
    click("Check3");
    EXPECT_TRUE(settings.menus.lrSwap);
    click("Check4");
    EXPECT_TRUE(settings.menus.tfSwap);
    click("Check4");
    EXPECT_FALSE(settings.menus.tfSwap);
    click("Option2");
    EXPECT_TRUE(settings.menus.fixedSource);
    click("Option1");
    EXPECT_FALSE(settings.menus.fixedSource);
    EXPECT_EQ(changed.count(), 6);
}

TEST_F(frmsetupTest, SwapBoxExchangesTheReverseBoxesOnly) {
    settings.menus.lrSwap = true;
    open();
    click("Check2");
    EXPECT_TRUE(settings.menus.swapMotors);
    EXPECT_EQ(box("Check3")->text(), TfCaption);
    EXPECT_FALSE(box("Check3")->isChecked());
    EXPECT_EQ(box("Check4")->text(), LrCaption);
    EXPECT_TRUE(box("Check4")->isChecked());
    // The menus keep their own captions and marks.
    EXPECT_TRUE(settings.menus.lrSwap);
    EXPECT_FALSE(settings.menus.tfSwap);
    EXPECT_EQ(settings.menus.lrSwapCaption, LrCaption);

    // The boxes still write the menus they were made for.
    click("Check3");
    EXPECT_TRUE(settings.menus.lrSwap);
    EXPECT_FALSE(settings.menus.tfSwap);
    click("Check4");
    EXPECT_FALSE(settings.menus.tfSwap);
    EXPECT_TRUE(settings.menus.lrSwap);

    click("Check2");
    EXPECT_FALSE(settings.menus.swapMotors);
    EXPECT_EQ(box("Check3")->text(), LrCaption);
    EXPECT_EQ(box("Check4")->text(), TfCaption);
    EXPECT_FALSE(box("Check3")->isChecked());
    EXPECT_TRUE(box("Check4")->isChecked());
}

TEST_F(frmsetupTest, OpeningWithSwappedMotorsExchangesTheBoxesOnce) {
    settings.menus.swapMotors = true;
    settings.menus.lrSwap = true;
    open();
    EXPECT_TRUE(box("Check2")->isChecked());
    EXPECT_EQ(box("Check3")->text(), TfCaption);
    EXPECT_FALSE(box("Check3")->isChecked());
    EXPECT_EQ(box("Check4")->text(), LrCaption);
    EXPECT_TRUE(box("Check4")->isChecked());
    EXPECT_TRUE(settings.menus.swapMotors);
    EXPECT_TRUE(settings.menus.lrSwap);
    EXPECT_FALSE(settings.menus.tfSwap);
}

TEST_F(frmsetupTest, TimerCopiesSpeedsAndLimits) {
    open();
    QSignalSpy changed(dialog.get(), &frmsetup::settingsChanged);
    slider("Slider1")->setValue(3210);
    slider("Slider2")->setValue(77);
    slider("Slider3")->setValue(9);
    slider("sldMax")->setValue(120);
    dialog->copyControlsToSettings();
    EXPECT_EQ(settings.Maxdelay, 3210);
    EXPECT_EQ(settings.Mindelay, 77);
    EXPECT_EQ(settings.sldAcell, 9);
    EXPECT_EQ(settings.autoTest.Max, 120);
    EXPECT_EQ(settings.autoTest.Min, 30);
    EXPECT_EQ(child<QGroupBox>("Frame3")->title(), "Max Intensity = 120");
    EXPECT_EQ(changed.count(), 1);
    dialog->copyControlsToSettings();
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(frmsetupTest, IntensitySlidersPushEachOtherOnTheTick) {
    open();
    slider("sldmin")->setValue(55);
    EXPECT_EQ(slider("sldMax")->value(), 60);
    dialog->copyControlsToSettings();
    EXPECT_EQ(slider("sldMax")->value(), 65);
    EXPECT_EQ(slider("sldmin")->value(), 55);
    EXPECT_EQ(settings.autoTest.Max, 65);
    EXPECT_EQ(child<QGroupBox>("Frame3")->title(), "Max Intensity = 65");

    slider("sldMax")->setValue(40);
    dialog->copyControlsToSettings();
    EXPECT_EQ(slider("sldmin")->value(), 30);
    EXPECT_EQ(settings.autoTest.Max, 40);
    EXPECT_EQ(settings.autoTest.Min, 30);
    EXPECT_EQ(child<QGroupBox>("Frame4")->title(), "Min Intensity = 30");
}

TEST_F(frmsetupTest, TimerRunsWhileTheDialogIsShown) {
    open();
    auto* timer = dialog->findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 200);
    slider("Slider2")->setValue(500);
    EXPECT_TRUE(QTest::qWaitFor([this] { return settings.Mindelay == 500; }, 5000));
    dialog->hide();
    EXPECT_FALSE(timer->isActive());
}

TEST_F(frmsetupTest, ClosingDerivesMovesFromTheToFromStepWhenUnset) {
    settings.LRStepSize = 0.0005; // not used when closing
    open();
    click("cmdOK");
    EXPECT_FALSE(dialog->isVisible());
    const AutoTestVariables& v = settings.autoTest;
    EXPECT_EQ(v.LRSmMove, 1);
    EXPECT_EQ(v.LRLgMove, 6);
    EXPECT_EQ(v.TFOblateMove, 40);
    EXPECT_EQ(v.TFRoughMove, 16);
    EXPECT_EQ(v.TFFinalMoves, 8);
}

TEST_F(frmsetupTest, ClosingKeepsMovesAlreadySet) {
    settings.autoTest.LRLgMove = 3;
    settings.autoTest.TFRoughMove = 11;
    open();
    dialog->close();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(settings.autoTest.LRLgMove, 3);
    EXPECT_EQ(settings.autoTest.LRSmMove, 0);
    EXPECT_EQ(settings.autoTest.TFRoughMove, 11);
}

TEST_F(frmsetupTest, ClosingCopiesTheLastSliderMove) {
    open();
    slider("Slider3")->setValue(7);
    click("cmdOK");
    EXPECT_EQ(settings.sldAcell, 7);
}

TEST_F(frmsetupTest, FirstRunChainOpensSaveOptionsOncePerClosing) {
    waitForIt = true;
    open();
    click("cmdOK");
    EXPECT_EQ(modelessSaveOptions, 1);
    open();
    dialog->close();
    EXPECT_EQ(modelessSaveOptions, 2);
    open();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(modelessSaveOptions, 3);
}

TEST_F(frmsetupTest, NoChainAfterTheFirstRun) {
    open();
    click("cmdOK");
    EXPECT_EQ(modelessSaveOptions, 0);
    hooks = {};
    waitForIt = true;
    open();
    click("cmdOK"); // no hook given: nothing to open, nothing breaks
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(frmsetupTest, ButtonsOpenTheOtherDialogsOverThisOne) {
    open();
    click("Command3");
    click("Command4");
    EXPECT_EQ(saveOptionsParents, QList<QWidget*>{dialog.get()});
    EXPECT_EQ(repetitionParents, QList<QWidget*>{dialog.get()});
}

TEST_F(frmsetupTest, StepSizeButtonOpensTheStepSizeDialog) {
    open();
    QSignalSpy changed(dialog.get(), &frmsetup::settingsChanged);
    whenModalOpens<frmStepSize>([](frmStepSize& stepSize) {
        auto* text = stepSize.findChild<QLineEdit*>("Text1");
        text->setText("0.0005");
        QTest::mouseClick(stepSize.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    click("Command1");
    EXPECT_EQ(modalParent, dialog.get());
    EXPECT_DOUBLE_EQ(settings.StepSize, 0.00025);
    EXPECT_EQ(settings.autoTest.TFOblateMove, 20);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(frmsetupTest, KnifeButtonOpensTheKnifeSideDialog) {
    open();
    whenModalOpens<frmOptions>([](frmOptions& knife) {
        QTest::mouseClick(knife.findChild<QToolButton*>("Option1_1"), Qt::LeftButton);
        QTest::mouseClick(knife.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    click("Command2");
    EXPECT_EQ(modalParent, dialog.get());
    EXPECT_TRUE(settings.KnifeRight);
}

TEST_F(frmsetupTest, CtrlTabSelectsTheNextTabAndWraps) {
    open();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QTabWidget* tabs = child<QTabWidget>("tbsOptions");
    child<QPushButton>("cmdOK")->setFocus();
    for (int expected : {1, 2, 3, 4, 0, 1}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(tabs->currentIndex(), expected);
    }
}
