#include "setup/frmStepSize.h"

#include "support/RecordingMessageBoxes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvane;
using orvane::testkit::RecordingMessageBoxes;

namespace {
class frmStepSizeTest : public ::testing::Test {
  protected:
    void open() {
        dialog = std::make_unique<frmStepSize>(settings, messages);
        dialog->show();
    }
    template <typename T> T* child(const char* name) {
        T* w = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void type(const char* box, const QString& text) {
        QLineEdit* edit = child<QLineEdit>(box);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }

    Settings settings;
    RecordingMessageBoxes messages;
    std::unique_ptr<frmStepSize> dialog;
};
} // namespace

TEST_F(frmStepSizeTest, OpensWithFullStepsAndTheUnit) {
    settings.StepSize = 0.000125;
    settings.LRStepSize = 0.00025;
    open();
    EXPECT_EQ(dialog->windowTitle(), "Enter Distance Traveled To-From Mirror During One Full Step");
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "0.00025");
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), "0.0005");
    EXPECT_TRUE(child<QRadioButton>("OptInch")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("OptMil")->isChecked());
    EXPECT_EQ(child<QLabel>("Label1")->text(), stepSizeHelpText());

    settings.Metric = true;
    open();
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "0.00635");
    EXPECT_TRUE(child<QRadioButton>("OptMil")->isChecked());
}

TEST_F(frmStepSizeTest, OkStoresTypedStepsAndCloses) {
    settings.StepSize = 0.0005;
    settings.LRStepSize = 0.0005;
    open();
    type("Text1", "0.00025");
    type("Text2", "0.00025");
    click("cmdOK");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(settings.StepSize, 0.000125);
    EXPECT_EQ(settings.autoTest.TFOblateMove, 40);
    EXPECT_EQ(settings.autoTest.LRSmMove, 1);
}

TEST_F(frmStepSizeTest, MillimetreChoiceIsTaken) {
    settings.StepSize = 0.000125;
    settings.LRStepSize = 0.000125;
    open();
    type("Text1", "0.0127");
    type("Text2", "0.00635");
    QTest::mouseClick(child<QRadioButton>("OptMil"), Qt::LeftButton);
    click("cmdOK");
    EXPECT_TRUE(settings.Metric);
    EXPECT_DOUBLE_EQ(settings.StepSize, 0.00025);
    EXPECT_DOUBLE_EQ(settings.LRStepSize, 0.000125);
}

TEST_F(frmStepSizeTest, BadEntryKeepsTheDialogOpen) {
    settings.StepSize = 0.000125;
    settings.LRStepSize = 0.000125;
    open();
    type("Text1", "abc");
    click("cmdOK");
    EXPECT_TRUE(dialog->isVisible());
    type("Text1", "0");
    click("cmdOK");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(messages.titles(), QStringList({"Ooops1", "Ooops"}));
    EXPECT_DOUBLE_EQ(settings.StepSize, 0.000125);
}

TEST_F(frmStepSizeTest, CancelIsRefusedWhileAStepIsZero) {
    settings.StepSize = 0;
    settings.LRStepSize = 0.000125;
    open();
    click("cmdCancel");
    EXPECT_TRUE(dialog->isVisible());
    dialog->close();
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_EQ(messages.shown.size(), 3);
    EXPECT_EQ(messages.titles(), QStringList({"HEY!", "HEY!", "HEY!"}));

    type("Text1", "0.00025");
    click("cmdOK");
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(frmStepSizeTest, CancelLeavesEverythingWhenStepsAreSet) {
    settings.StepSize = 0.000125;
    settings.LRStepSize = 0.000125;
    open();
    type("Text1", "0.5");
    click("cmdCancel");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_DOUBLE_EQ(settings.StepSize, 0.000125);
    EXPECT_TRUE(messages.shown.isEmpty());
}
