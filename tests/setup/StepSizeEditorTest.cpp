#include "setup/StepSizeEditor.h"

#include "support/RecordingMessageBoxes.h"

#include <gtest/gtest.h>

using namespace orvane;
using orvane::testkit::RecordingMessageBoxes;

namespace {
class StepSizeEditorTest : public ::testing::Test {
  protected:
    StepSizeEditorTest() {
        settings.StepSize = 0.0005;
        settings.LRStepSize = 0.0005;
        settings.autoTest.LRSmMove = 91;
        settings.autoTest.LRLgMove = 92;
        settings.autoTest.TFOblateMove = 93;
        settings.autoTest.TFRoughMove = 94;
        settings.autoTest.TFFinalMoves = 95;
    }
    void expectMoves(int tfOblate, int tfRough, int tfFinal, int lrLg, int lrSm) {
        const AutoTestVariables& v = settings.autoTest;
        EXPECT_EQ(v.TFOblateMove, tfOblate);
        EXPECT_EQ(v.TFRoughMove, tfRough);
        EXPECT_EQ(v.TFFinalMoves, tfFinal);
        EXPECT_EQ(v.LRLgMove, lrLg);
        EXPECT_EQ(v.LRSmMove, lrSm);
    }

    Settings settings;
    RecordingMessageBoxes messages;
    StepSizeEditor editor{settings, messages};
};
} // namespace

TEST_F(StepSizeEditorTest, QuarterThousandthInchSetsHalfStepsAndMoves) {
    EXPECT_TRUE(editor.accept({"0.00025", "0.00025", false}));
    EXPECT_DOUBLE_EQ(settings.StepSize, 0.000125);
    EXPECT_DOUBLE_EQ(settings.LRStepSize, 0.000125);
    expectMoves(40, 16, 8, 6, 1);
    EXPECT_FALSE(settings.Metric);
    EXPECT_EQ(settings.units(), "\"");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(StepSizeEditorTest, EqualStepSizesKeepTheMoves) {
    EXPECT_TRUE(editor.accept({"0.001", " 0.001 ", false}));
    expectMoves(93, 94, 95, 92, 91);
    EXPECT_DOUBLE_EQ(settings.StepSize, 0.0005);
}

TEST_F(StepSizeEditorTest, OnlyTheChangedAxisGetsNewMoves) {
    EXPECT_TRUE(editor.accept({"0.00025", "0.001", false}));
    expectMoves(40, 16, 8, 92, 91);
    EXPECT_TRUE(editor.accept({"0.00025", "0.0005", false}));
    expectMoves(40, 16, 8, 3, 0);
}

TEST_F(StepSizeEditorTest, MillimetresAreStoredAsInches) {
    EXPECT_TRUE(editor.accept({"0.00635", "0.0127", true}));
    EXPECT_DOUBLE_EQ(settings.StepSize, 0.000125);
    EXPECT_DOUBLE_EQ(settings.LRStepSize, 0.00025);
    EXPECT_TRUE(settings.Metric);
    EXPECT_EQ(settings.units(), "mm");
    expectMoves(40, 16, 8, 3, 0);
}

TEST_F(StepSizeEditorTest, ShowsFullStepsInTheUserUnit) {
    EXPECT_EQ(editor.current(), (StepSizeEntry{"0.001", "0.001", false}));
    settings.StepSize = 0.000125;
    settings.Metric = true;
    EXPECT_EQ(editor.current(), (StepSizeEntry{"0.00635", "0.0254", true}));
    settings.StepSize = 0.00000625;
    settings.Metric = false;
    EXPECT_EQ(editor.current().toFrom, "1.25E-05");
}

TEST_F(StepSizeEditorTest, NumbersWithNotationAreRefused) {
    for (const StepSizeEntry& entry :
         {StepSizeEntry{"0.00025\"", "0.00025", false}, StepSizeEntry{"0.00025", "", false},
          StepSizeEntry{"1/4000", "0.00025", true}}) {
        messages.shown.clear();
        EXPECT_FALSE(editor.accept(entry));
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.shown[0].title, "Ooops1");
        EXPECT_EQ(messages.shown[0].text,
                  "Step size must be a Numerical Value, not included any notation!");
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    }
    EXPECT_DOUBLE_EQ(settings.StepSize, 0.0005);
    expectMoves(93, 94, 95, 92, 91);
}

TEST_F(StepSizeEditorTest, ZeroIsRefused) {
    EXPECT_FALSE(editor.accept({"0.00025", "0", true}));
    EXPECT_FALSE(editor.accept({"0.0", "0.00025", false}));
    EXPECT_EQ(messages.titles(), QStringList({"Ooops", "Ooops"}));
    EXPECT_EQ(messages.texts().first(), "Step size must be a non zero value!");
    EXPECT_EQ(messages.shown.first().icon, MessageIcon::Critical);
    EXPECT_DOUBLE_EQ(settings.LRStepSize, 0.0005);
    EXPECT_FALSE(settings.Metric);
}

TEST_F(StepSizeEditorTest, CancelNeedsBothStepSizes) {
    EXPECT_TRUE(editor.cancel());
    EXPECT_TRUE(messages.shown.isEmpty());
    settings.LRStepSize = 0;
    EXPECT_FALSE(editor.cancel());
    settings.LRStepSize = 0.0005;
    settings.StepSize = 0;
    EXPECT_FALSE(editor.cancel());
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0].title, "HEY!");
    EXPECT_EQ(messages.shown[0].text, "You must enter a Step size to continue!");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
}

TEST(StepSizeHelp, TextIsComposedInOrder) {
    const QString expected = QString::fromUtf8(
        "You need to calculate the distance the platform travels as the result of rotating the "
        "stepper motor one full Step.Also, each step size during platform travel needs to be the "
        "same.  Non-Linear travel is currently not supported!\n\nFor Instance, If you use a "
        "\xC2\xBC -20 threaded rod, one revolution of the threaded rod = 0.050 inch of travel. For "
        "instance, if you use a 200 step stepper motor, then the math is 0.050 / 200 = 0.00025\" "
        "per full step");
    EXPECT_EQ(stepSizeHelpText(), expected);
}
