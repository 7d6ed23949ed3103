#include "autotest/variables/FrmAutoTest.h"
#include "autotest/variables/PseudoCode.h"
#include "support/DefaultSettings.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

class FrmAutoTestTest : public ::testing::Test {
  protected:
    void open() {
        dialog = std::make_unique<FrmAutoTest>(settings);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    template <typename T> T* child(const char* name) {
        T* w = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QSlider* slider(const char* name) { return child<QSlider>(name); }
    QComboBox* list(const char* name) { return child<QComboBox>(name); }
    QString title(const char* frame) { return child<QGroupBox>(frame)->title(); }
    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }

    Settings settings = testkit::firstRunSettings();
    std::unique_ptr<FrmAutoTest> dialog;
};
} // namespace

TEST_F(FrmAutoTestTest, OpeningDerivesUnsetMovesAndSelectsThem) {
    open();
    const AutoTestVariables& v = settings.autoTest;
    EXPECT_EQ(v.LRSmMove, 1);
    EXPECT_EQ(v.LRLgMove, 6);
    EXPECT_EQ(v.TFOblateMove, 40);
    EXPECT_EQ(v.TFRoughMove, 16);
    EXPECT_EQ(v.TFFinalMoves, 8);
    EXPECT_EQ(list("cmbLrSmMove")->currentData().toInt(), 1);
    EXPECT_EQ(list("cmbLrLgMove")->currentData().toInt(), 6);
    EXPECT_EQ(list("cmbTfOblateMove")->currentData().toInt(), 40);
    EXPECT_EQ(list("CmbTfRoughMove")->currentData().toInt(), 16);
    EXPECT_EQ(list("cmbTfFinalMove")->currentData().toInt(), 8);
    EXPECT_EQ(list("cmbLrDelta")->currentText(), "10");
    EXPECT_EQ(list("cmbTfOblateDelta")->currentText(), "15");
    EXPECT_EQ(list("CmbTfRoughDelta")->currentText(), "20");
    EXPECT_EQ(dialog->windowTitle(), "Auto Test Variables");
}

TEST_F(FrmAutoTestTest, ListEntriesForTheDefaultStepSizes) {
    open();
    for (const char* name : {"cmbLrSmMove", "cmbLrLgMove"}) {
        QComboBox* knife = list(name);
        ASSERT_EQ(knife->count(), 101) << name;
        EXPECT_EQ(knife->itemText(0), "0.000125\"");
        EXPECT_EQ(knife->itemText(1), "0.00025\"");
        EXPECT_EQ(knife->itemData(0).toInt(), 1);
        EXPECT_EQ(knife->itemData(1).toInt(), 2);
    }
    for (const char* name : {"cmbTfOblateMove", "CmbTfRoughMove", "cmbTfFinalMove"}) {
        QComboBox* platform = list(name);
        ASSERT_EQ(platform->count(), 101) << name;
        EXPECT_EQ(platform->itemText(0), "0.0005");
        EXPECT_EQ(platform->itemText(1), "0.001");
        EXPECT_EQ(platform->itemData(0).toInt(), 4);
        EXPECT_EQ(platform->itemData(1).toInt(), 8);
    }
    EXPECT_EQ(list("cmbLrDelta")->count(), 31);
}

TEST_F(FrmAutoTestTest, MetricListsShowMillimetres) {
    settings.Metric = true;
    open();
    EXPECT_EQ(list("cmbLrSmMove")->itemText(0), "0.003175mm");
    EXPECT_EQ(list("cmbTfOblateMove")->itemText(0), "0.0005");
}

TEST_F(FrmAutoTestTest, CoarsePlatformStepStillOpens) {
    settings.StepSize = 0.004;
    settings.autoTest.LRLgMove = 6;
    settings.autoTest.TFOblateMove = 2;
    open();
    EXPECT_EQ(list("cmbTfOblateMove")->currentIndex(), 1);
    EXPECT_EQ(list("cmbTfOblateMove")->itemData(0).toInt(), 0);
}

TEST_F(FrmAutoTestTest, IntensitySlidersKeepTenApart) {
    open();
    slider("sldMax")->setValue(35);
    EXPECT_EQ(slider("sldmin")->value(), 25);
    EXPECT_EQ(title("fraMax"), "Zone Maximum Intensity (Brightnes) = 35");
    EXPECT_EQ(title("fraMin"), "Zone Minimum Intensity (Brightness) = 25");
    slider("sldmin")->setValue(31);
    EXPECT_EQ(slider("sldMax")->value(), 41);
    slider("sldMax")->setValue(100);
    EXPECT_EQ(slider("sldmin")->value(), 31);
}

TEST_F(FrmAutoTestTest, StoredIntensitiesAreShownAsTheyAre) {
    settings.autoTest.Max = 20;
    settings.autoTest.Min = 15;
    open();
    EXPECT_EQ(slider("sldMax")->value(), 20);
    EXPECT_EQ(slider("sldmin")->value(), 15);
    EXPECT_EQ(title("fraMax"), "Zone Maximum Intensity (Brightnes) = 20");
}

TEST_F(FrmAutoTestTest, FrameSlidersRaiseTheLaterOnes) {
    open();
    EXPECT_EQ(title("fraLrMinFrames"),
              "Min # frames before adjusting knife In/Out (Left/Right) = 4");
    slider("SldLRminFrames")->setValue(20);
    EXPECT_EQ(slider("SldTFRoughFrames")->value(), 21);
    EXPECT_EQ(slider("sldTfFinalFrames")->minimum(), 22);
    EXPECT_EQ(title("fraTfRoughFrames"), "# of frames prior to rough adjust To/From distance = 21");

    slider("SldTFRoughFrames")->setValue(28);
    EXPECT_EQ(slider("sldTfFinalFrames")->value(), 30);
    EXPECT_EQ(slider("sldTfFinalFrames")->minimum(), 29);
    slider("sldTfFinalFrames")->setValue(5);
    EXPECT_EQ(slider("sldTfFinalFrames")->value(), 29);
    EXPECT_EQ(title("fraTfFinalFrames"), "Number of frames for final zone null evaluation = 29");

    slider("SldLRminFrames")->setValue(2);
    EXPECT_EQ(slider("SldTFRoughFrames")->minimum(), 3);
    EXPECT_EQ(slider("SldTFRoughFrames")->value(), 28);
}

TEST_F(FrmAutoTestTest, PseudoCodeFollowsTheControls) {
    open();
    QPlainTextEdit* knife = child<QPlainTextEdit>("TxtLrData");
    QPlainTextEdit* rough = child<QPlainTextEdit>("TxtRough");
    const QString knifeExpected = knifePseudoCode({4, 60, 30, 10, 1, 6, 0.000125});
    EXPECT_EQ(knife->toPlainText(), QString(knifeExpected).replace("\r\n", "\n"));
    const QString roughExpected = platformPseudoCode({15, 15, 40, 20, 16, 0.000125});
    EXPECT_EQ(rough->toPlainText(), QString(roughExpected).replace("\r\n", "\n"));

    list("cmbLrLgMove")->setCurrentIndex(9);
    EXPECT_TRUE(
        knife->toPlainText().contains("Cut Knife Into Return Beam 0.00125 {Or 10 Half-Steps}"));
    list("cmbLrDelta")->setCurrentIndex(7);
    EXPECT_TRUE(knife->toPlainText().contains("> 60 + 7 {Max + Delta}"));
    slider("SldLRminFrames")->setValue(9);
    EXPECT_TRUE(knife->toPlainText().startsWith("If Frame Average > 9 Then"));

    list("CmbTfRoughMove")->setCurrentIndex(0);
    EXPECT_TRUE(rough->toPlainText().contains("Away From Mirror 0.0005 {or 4 Half-Steps"));
    list("cmbTfOblateDelta")->setCurrentIndex(3);
    EXPECT_TRUE(rough->toPlainText().contains("Right Zone Value + 3 Then:"));
    slider("SldTFRoughFrames")->setValue(17);
    EXPECT_TRUE(rough->toPlainText().contains("If Frame Average > 17 Then "));
}

TEST_F(FrmAutoTestTest, ApplyStoresAndStaysOpen) {
    open();
    slider("SldLRminFrames")->setValue(6);
    list("cmbLrSmMove")->setCurrentIndex(2);
    list("CmbTfRoughDelta")->setCurrentIndex(25);
    list("cmbTfFinalMove")->setCurrentIndex(4);
    slider("sldTfFinalFrames")->setValue(24);
    slider("sldMax")->setValue(90);
    click("cmdApply");
    EXPECT_TRUE(dialog->isVisible());
    const AutoTestVariables& v = settings.autoTest;
    EXPECT_EQ(v.LRMinFrames, 6);
    EXPECT_EQ(v.LRSmMove, 3);
    EXPECT_EQ(v.TFRoughDelta, 25);
    EXPECT_EQ(v.TFFinalMoves, 20);
    EXPECT_EQ(v.TFFinalFrames, 24);
    EXPECT_EQ(v.Max, 90);
    EXPECT_EQ(v.Min, 30);
    EXPECT_EQ(v.LRLgMove, 6);
}

TEST_F(FrmAutoTestTest, OkStoresAndCloses) {
    open();
    list("cmbTfOblateMove")->setCurrentIndex(0);
    click("cmdOK");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(settings.autoTest.TFOblateMove, 4);
}

TEST_F(FrmAutoTestTest, CancelDiscardsTheControls) {
    open();
    const AutoTestVariables before = settings.autoTest;
    slider("sldmin")->setValue(100);
    list("cmbLrDelta")->setCurrentIndex(0);
    click("cmdCancel");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(settings.autoTest.Min, before.Min);
    EXPECT_EQ(settings.autoTest.Max, before.Max);
    EXPECT_EQ(settings.autoTest.LRDelta, before.LRDelta);
}

TEST_F(FrmAutoTestTest, ResetRestoresDefaultsButKeepsMaxAndMin) {
    settings.autoTest = {80, 45, 9, 2, 3, 12, 20, 5, 80, 6, 40, 25, 16};
    open();
    slider("sldMax")->setValue(120);
    click("Command1");
    const AutoTestVariables& v = settings.autoTest;
    EXPECT_EQ(v.Max, 80);
    EXPECT_EQ(v.Min, 45);
    EXPECT_EQ(v.LRMinFrames, 4);
    EXPECT_EQ(v.LRDelta, 10);
    EXPECT_EQ(v.LRSmMove, 1);
    EXPECT_EQ(v.LRLgMove, 6);
    EXPECT_EQ(v.TFRoughFrames, 15);
    EXPECT_EQ(v.TFOblatedelta, 15);
    EXPECT_EQ(v.TFOblateMove, 40);
    EXPECT_EQ(v.TFRoughDelta, 20);
    EXPECT_EQ(v.TFRoughMove, 16);
    EXPECT_EQ(v.TFFinalFrames, 30);
    EXPECT_EQ(v.TFFinalMoves, 8);
    EXPECT_EQ(slider("sldMax")->value(), 80);
    EXPECT_EQ(slider("SldLRminFrames")->value(), 4);
    EXPECT_EQ(slider("SldTFRoughFrames")->value(), 15);
    EXPECT_EQ(list("cmbLrDelta")->currentData().toInt(), 10);
    EXPECT_EQ(list("CmbTfRoughMove")->currentData().toInt(), 16);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(FrmAutoTestTest, CtrlTabSelectsTheNextPageAndWraps) {
    open();
    QTabWidget* tabs = child<QTabWidget>("tbsOptions");
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), "Zone Brightness");
    EXPECT_EQ(tabs->tabText(1), "Knife In/Out Stuff");
    EXPECT_EQ(tabs->tabText(2), "Zone Null Step #1");
    EXPECT_EQ(tabs->tabText(3), "Zone Null Step #2");
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    child<QPushButton>("cmdOK")->setFocus();
    for (int expected : {1, 2, 3, 0}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(tabs->currentIndex(), expected);
    }
    QTest::keyClick(slider("sldMax"), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 1);
}
