#include "setup/frmOptions.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace orvane;

namespace {
class frmOptionsTest : public ::testing::Test {
  protected:
    void open(bool knifeRight) {
        settings.KnifeRight = knifeRight;
        dialog = std::make_unique<frmOptions>(settings);
        dialog->show();
    }
    template <typename T> T* child(const char* name) {
        T* w = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString choiceText() { return child<QLabel>("Label2")->text(); }

    Settings settings;
    std::unique_ptr<frmOptions> dialog;
};
} // namespace

TEST_F(frmOptionsTest, OpensOnTheStoredSide) {
    open(true);
    EXPECT_TRUE(child<QToolButton>("Option1_1")->isChecked());
    EXPECT_FALSE(child<QToolButton>("Option1_0")->isChecked());
    EXPECT_EQ(choiceText(), "Current Selection Places Knife on Right!");
    open(false);
    EXPECT_TRUE(child<QToolButton>("Option1_0")->isChecked());
    EXPECT_EQ(choiceText(), "Current Selection Places Knife on Left!");
    EXPECT_EQ(dialog->windowTitle(), "Which Side is the Knife edge on, Click Picture to Choose");
}

TEST_F(frmOptionsTest, PicturesCarryTheirHints) {
    open(false);
    EXPECT_EQ(child<QToolButton>("Option1_0")->toolTip(), "Click here if Knife is on the Left!");
    EXPECT_EQ(child<QToolButton>("Option1_1")->toolTip(), "Click Here if Knife is on the Right!");
    EXPECT_FALSE(child<QToolButton>("Option1_0")->icon().isNull());
    EXPECT_FALSE(child<QToolButton>("Option1_1")->icon().isNull());
}

TEST_F(frmOptionsTest, ClickingAPictureChoosesAndOkStores) {
    open(false);
    QTest::mouseClick(child<QToolButton>("Option1_1"), Qt::LeftButton);
    EXPECT_EQ(choiceText(), "Current Selection Places Knife on Right!");
    EXPECT_FALSE(child<QToolButton>("Option1_0")->isChecked());
    EXPECT_FALSE(settings.KnifeRight);
    QTest::mouseClick(child<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_TRUE(settings.KnifeRight);
    EXPECT_FALSE(dialog->isVisible());

    open(true);
    QTest::mouseClick(child<QToolButton>("Option1_0"), Qt::LeftButton);
    EXPECT_EQ(choiceText(), "Current Selection Places Knife on Left!");
    QTest::mouseClick(child<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(settings.KnifeRight);
}

TEST_F(frmOptionsTest, CancelKeepsTheSide) {
    open(false);
    QTest::mouseClick(child<QToolButton>("Option1_1"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>("cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(settings.KnifeRight);
    EXPECT_FALSE(dialog->isVisible());
}
