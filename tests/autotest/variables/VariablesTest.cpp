#include "autotest/variables/AutoTestReset.h"
#include "autotest/variables/DerivedMoves.h"
#include "autotest/variables/IntensityGap.h"
#include "autotest/variables/MoveLists.h"
#include "autotest/widgets/FrmAutoTest.h"
#include "autotest/widgets/RepetitionDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>
#include <limits>

using namespace orvane;

namespace {
template <typename T> T* child(QWidget& dialog, const QString& name) {
    T* widget = dialog.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

void click(QWidget& dialog, const char* button) {
    QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
}

QList<int> movesOf(const AutoTestVariables& v) {
    return {v.LRSmMove, v.LRLgMove, v.TFOblateMove, v.TFRoughMove, v.TFFinalMoves};
}

Settings withSteps(double lrStepSize, double stepSize, bool metric = false) {
    Settings s;
    s.LRStepSize = lrStepSize;
    s.StepSize = stepSize;
    s.Metric = metric;
    s.autoTest.Max = 60;
    s.autoTest.Min = 30;
    return s;
}

class FrmAutoTestTest : public ::testing::Test {
  protected:
    void open() {
        dialog = std::make_unique<FrmAutoTest>(settings);
        dialog->show();
    }
    QSlider* slider(const char* name) { return child<QSlider>(*dialog, name); }
    QComboBox* list(const char* name) { return child<QComboBox>(*dialog, name); }
    QString text(const char* box) { return child<QPlainTextEdit>(*dialog, box)->toPlainText(); }
    QString title(const char* frame) { return child<QGroupBox>(*dialog, frame)->title(); }

    Settings settings = withSteps(0.000125, 0.000125);
    std::unique_ptr<FrmAutoTest> dialog;
};
} // namespace

TEST(DerivedMoves, EachAxisDividesItsTravelsByItsOwnStepHalvesToEven) {
    Settings s = withSteps(0.0000625, -0.000125);
    s.autoTest = {77, 33, 9, 1, 5, 5, 18, 2, 3, 4, 5, 19, 6};
    EXPECT_FALSE(deriveMovesIfUnset(s.autoTest, 0.000125, 0.000125));
    resetAutoTestVariables(s); // the built-in values but the intensity limits
    const AutoTestVariables& v = s.autoTest;
    EXPECT_EQ(QList<int>({v.Max, v.Min, v.LRMinFrames, v.LRDelta, v.TFRoughFrames, v.TFOblatedelta,
                          v.TFRoughDelta, v.TFFinalFrames}),
              QList<int>({77, 33, 4, 10, 15, 15, 20, 30}));
    EXPECT_EQ(movesOf(v), QList<int>({2, 12, 0, 0, 0})); // a step that divides nothing: no moves
    deriveMoves(s.autoTest, 0.0, 0.00025);
    EXPECT_EQ(movesOf(v), QList<int>({2, 12, 20, 8, 4}));
    EXPECT_EQ(halfStepsFor(0.000125, 0.00005), 2); // 2.5
    EXPECT_EQ(halfStepsFor(0.001, std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(halfStepsFor(0.005, 1e-300), std::numeric_limits<int>::max());
    deriveMoves(s.autoTest, 1e-9, 1e-300); // no move longer than the settings file takes
    EXPECT_EQ(movesOf(v), QList<int>({10000, 10000, 10000, 10000, 10000}));
}

TEST(MoveLists, UnitsEntriesAndTheSelectionOfStoredValues) {
    const MoveListUnits coarse = moveListUnits(withSteps(0.0, 0.004)); // never below one
    EXPECT_EQ(QList<int>({coarse.knife, coarse.platform}), QList<int>({1, 1}));
    // Stored values select their entry; values the list cannot show select its nearest end.
    EXPECT_EQ(QList<int>({deltaIndex(-3), deltaIndex(45), knifeMoveIndex(9, 4),
                          knifeMoveIndex(500, 1), platformMoveIndex(16, 8), platformMoveIndex(0, 8),
                          platformMoveIndex(5000, 8), platformMoveIndex(5, 1)}),
              QList<int>({0, 30, 1, 100, 3, 0, 100, 4}));
    EXPECT_EQ(keepIntensityGap({49, 40}, false), (IntensityLimits{50, 40}));
}

TEST_F(FrmAutoTestTest, OpeningDerivesUnsetMovesSelectsThemAndExplainsTheSearch) {
    open();
    EXPECT_EQ(movesOf(settings.autoTest), QList<int>({1, 6, 40, 16, 8}));
    QList<int> selected;
    for (const char* name : {"cmbLrSmMove", "cmbLrLgMove", "cmbTfOblateMove", "CmbTfRoughMove",
                             "cmbTfFinalMove", "cmbLrDelta", "cmbTfOblateDelta", "CmbTfRoughDelta"})
        selected << list(name)->currentData().toInt();
    EXPECT_EQ(selected, QList<int>({1, 6, 40, 16, 8, 10, 15, 20}));
    EXPECT_EQ(list("cmbLrSmMove")->itemText(100), "0.012625\"");
    const QString knife = text("TxtLrData");
    EXPECT_TRUE(knife.startsWith("If Frame Average > 4 Then\n"
                                 "   If Zone Intensity > 60 + 10 {Max + Delta} Then:\n"
                                 "      Cut Knife Into Return Beam 0.00075 {Or 6 Half-Steps}\n"));
    EXPECT_TRUE(knife.contains("   If Zone Intensity < 30 {Min} Then:\n"
                               "      Cut Knife Out of Return Beam 0.000125 {Or 1 Half-Steps}\n"));
    EXPECT_EQ(knife.count("      Reset Current Frame Average to 1 and Start All Over!\n"
                          "   End If\n\n"),
              4);
    EXPECT_TRUE(
        knife.endsWith("End If ** If the code gets this far,\n"
                       "          ** Then its time to Rough Adust Distance from Mirror! :) "));
    slider("SldTFRoughFrames")->setValue(21);
    list("CmbTfRoughMove")->setCurrentIndex(0);
    const QString rough = text("TxtRough");
    EXPECT_TRUE(
        rough.startsWith("   ***Assuming Knife On Right side of light source!***\n"
                         "If Frame Average > 21 Then \n   If Found_Oblate = False Then:\n"));
    EXPECT_TRUE(rough.contains("Right Zone Value + 20 Then:\n"
                               "         Move Knife Away From Mirror 0.0005 {or 4 Half-Steps\n"));
    EXPECT_TRUE(rough.endsWith("   End IF\n End If\n**** If we made it this far, then its time to "
                               "Move onto Final Null Code!"));
}

TEST_F(FrmAutoTestTest, ControlsKeepTheirRulesAndApplyCancelResetAndOkStoreThem) {
    open();
    slider("sldmin")->setValue(55);
    EXPECT_EQ(slider("sldMax")->value(), 65);
    slider("sldMax")->setValue(35);
    EXPECT_EQ(title("fraMax"), "Zone Maximum Intensity (Brightnes) = 35");
    EXPECT_EQ(title("fraMin"), "Zone Minimum Intensity (Brightness) = 25");
    slider("SldLRminFrames")->setValue(20);
    slider("sldTfFinalFrames")->setValue(5);
    EXPECT_EQ(title("fraLrMinFrames"),
              "Min # frames before adjusting knife In/Out (Left/Right) = 20");
    EXPECT_EQ(title("fraTfRoughFrames"), "# of frames prior to rough adjust To/From distance = 21");
    EXPECT_EQ(title("fraTfFinalFrames"), "Number of frames for final zone null evaluation = 22");
    list("cmbLrSmMove")->setCurrentIndex(2);
    list("CmbTfRoughDelta")->setCurrentIndex(25);
    click(*dialog, "cmdApply");
    EXPECT_TRUE(dialog->isVisible());
    const AutoTestVariables& v = settings.autoTest;
    EXPECT_EQ(QList<int>({v.Max, v.Min, v.LRMinFrames, v.TFRoughFrames, v.TFFinalFrames, v.LRSmMove,
                          v.TFRoughDelta}),
              QList<int>({35, 25, 20, 21, 22, 3, 25}));
    slider("sldmin")->setValue(10);
    click(*dialog, "cmdCancel");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(v.Min, 25);

    open();
    click(*dialog, "Command1"); // the built-in values, but Max and Min stay
    EXPECT_EQ(QList<int>({v.Max, v.Min, v.LRMinFrames, v.LRSmMove, v.TFRoughDelta}),
              QList<int>({35, 25, 4, 1, 20}));
    click(*dialog, "cmdOK");
    EXPECT_FALSE(dialog->isVisible());
}

TEST(RepetitionDialog, OpensOnTheStoredCountOkStoresTheChoiceCancelKeepsIt) {
    Settings settings;
    settings.Reps = 2;
    for (const char* button : {"CancelButton", "OKButton"}) {
        Dialog dialog(settings);
        dialog.show();
        EXPECT_TRUE(child<QRadioButton>(dialog, "Option1_2")->isChecked());
        child<QRadioButton>(dialog, "Option1_3")->click();
        click(dialog, button);
    }
    EXPECT_EQ(settings.Reps, 3);
    settings.Reps = 7; // a count the dialog cannot show selects nothing and is kept
    Dialog unshown(settings);
    click(unshown, "OKButton");
    EXPECT_EQ(settings.Reps, 7);
}

// "Run Test:" is edited only when asked for; a period it cannot show (from the command line's
// --every) selects nothing and OK keeps it. The precision choice rides with the auto-test values.
TEST(RepetitionDialog, TheScheduleAndThePrecisionChoiceAreStoredWithTheRest) {
    Settings settings;
    RepeatOptions repeat{10, 5};
    Dialog dialog(settings);
    EXPECT_FALSE(child<QGroupBox>(dialog, "Frame2")->isEnabled());
    dialog.editSchedule(repeat);
    EXPECT_FALSE(child<QRadioButton>(dialog, "Option2_0")->isChecked());
    click(dialog, "OKButton");
    EXPECT_EQ(repeat, (RepeatOptions{10, 5}));
    Dialog again(settings);
    again.editSchedule(repeat);
    child<QRadioButton>(again, "Option2_5")->click(); // as soon as the last ends
    child<QSpinBox>(again, "spnRuns")->setValue(3);
    click(again, "OKButton");
    EXPECT_EQ(repeat, (RepeatOptions{0, 3}));

    PrecisionOptions precision;
    FrmAutoTest autoTest(settings);
    autoTest.editPrecision(precision);
    child<QCheckBox>(autoTest, "chkPrecision")->setChecked(true);
    child<QDoubleSpinBox>(autoTest, "spnPrecisionLimit")->setValue(0.00002);
    bool saved = false;
    QObject::connect(&autoTest, &FrmAutoTest::precisionStored, [&] { saved = true; });
    click(autoTest, "cmdApply");
    EXPECT_TRUE(saved && precision.on && precision.limit == 0.00002);
}
