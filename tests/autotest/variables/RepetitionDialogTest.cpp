#include "autotest/variables/RepetitionDialog.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvane;

namespace {
class RepetitionDialogTest : public ::testing::Test {
  protected:
    void open(int reps) {
        settings.Reps = reps;
        dialog = std::make_unique<Dialog>(settings);
        dialog->show();
    }
    QRadioButton* option(const QString& name) {
        auto* button = dialog->findChild<QRadioButton*>(name);
        EXPECT_NE(button, nullptr) << name.toStdString();
        return button;
    }
    void click(const char* button) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    }

    Settings settings;
    std::unique_ptr<Dialog> dialog;
};
} // namespace

TEST_F(RepetitionDialogTest, OpensOnTheStoredCount) {
    for (int reps = 0; reps < 4; ++reps) {
        open(reps);
        for (int index = 0; index < 4; ++index)
            EXPECT_EQ(option(QStringLiteral("Option1_%1").arg(index))->isChecked(), index == reps);
    }
    EXPECT_EQ(dialog->windowTitle(), "Repetition Options");
    EXPECT_EQ(option("Option1_3")->text(), "4 Sets of Readings");
}

TEST_F(RepetitionDialogTest, OkStoresTheChosenCount) {
    open(0);
    option("Option1_3")->click();
    click("OKButton");
    EXPECT_EQ(settings.Reps, 3);
    EXPECT_FALSE(dialog->isVisible());

    open(2);
    option("Option1_0")->click();
    click("OKButton");
    EXPECT_EQ(settings.Reps, 0);
}

TEST_F(RepetitionDialogTest, CancelKeepsTheCount) {
    open(1);
    option("Option1_2")->click();
    click("CancelButton");
    EXPECT_EQ(settings.Reps, 1);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(RepetitionDialogTest, CountOutsideTheChoicesIsKeptUntilOneIsChosen) {
    open(7);
    for (int index = 0; index < 4; ++index)
        EXPECT_FALSE(option(QStringLiteral("Option1_%1").arg(index))->isChecked());
    click("OKButton");
    EXPECT_EQ(settings.Reps, 7);

    open(-1);
    option("Option1_1")->click();
    click("OKButton");
    EXPECT_EQ(settings.Reps, 1);
}

TEST_F(RepetitionDialogTest, ScheduleIsShownButNotOffered) {
    open(0);
    auto* schedule = dialog->findChild<QGroupBox*>("Frame2");
    ASSERT_NE(schedule, nullptr);
    EXPECT_EQ(schedule->title(), "Run Test:");
    EXPECT_FALSE(schedule->isEnabled());
    EXPECT_TRUE(option("Option2_0")->isChecked());
    EXPECT_EQ(option("Option2_4")->text(), "Every 2 Hours");
}
