#include "app/core/ProgramFolder.h"
#include "app/core/TextFile.h"
#include "app/gui/FloatingTextWindow.h"
#include "app/gui/QtMessageBoxes.h"
#include "app/gui/QtSoundPlayer.h"
#include "app/gui/SplashWindow.h"
#include "app/gui/UiForms.h"
#include "support/TempFolder.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

TEST(SplashWindow, ShowsVersionPlatformAndStatus) {
    SplashWindow splash;
    EXPECT_EQ(splash.objectName(), "frmSplash");
    EXPECT_EQ(splash.ui().lblVersion->text(), "Version 1.0.0");
    EXPECT_EQ(splash.ui().lblPlatform->text(), "Win9x - WinXP");
    EXPECT_EQ(splash.ui().lblProductName->text(), "ORVANE");
    EXPECT_FALSE(splash.ui().imgLogo->pixmap().isNull());
    splash.setStatus(QStringLiteral("Loading Data from Disk.."));
    EXPECT_EQ(splash.ui().lblWarning->text(), "Loading Data from Disk..");
}

TEST(SplashWindow, KeyPressOrClickDismissesIt) {
    SplashWindow byKey;
    byKey.show();
    QSignalSpy keyed(&byKey, &SplashWindow::dismissed);
    QTest::keyClick(&byKey, Qt::Key_Space);
    EXPECT_EQ(keyed.size(), 1);
    EXPECT_FALSE(byKey.isVisible());

    for (const char* target : {"imgLogo", "Frame1"}) {
        SplashWindow splash;
        splash.show();
        QSignalSpy clicked(&splash, &SplashWindow::dismissed);
        QTest::mouseClick(splash.findChild<QWidget*>(target), Qt::LeftButton);
        EXPECT_EQ(clicked.size(), 1) << target;
        EXPECT_FALSE(splash.isVisible()) << target;
    }
}

class FloatingTextTest : public ::testing::Test {
  protected:
    QPlainTextEdit debug{QStringLiteral("Debug Output Screen\n")};
    QPlainTextEdit data;
    QWidget owner;
};

TEST_F(FloatingTextTest, CaptionFramesAndTimer) {
    FloatingTextWindow w(&debug, &data, &owner);
    EXPECT_EQ(w.windowTitle(), "ORVANE Text Output");
    EXPECT_EQ(w.ui().Frame1->title(), "Debug Output");
    EXPECT_EQ(w.ui().Frame2->title(), "Foucault Test Data");
    EXPECT_EQ(w.ui().Text1->parentWidget(), w.ui().Frame1);
    EXPECT_EQ(w.ui().Text2->parentWidget(), w.ui().Frame2);
    EXPECT_EQ(w.refreshTimer().interval(), 50);
    EXPECT_TRUE(w.refreshTimer().isActive());
    EXPECT_TRUE(w.windowFlags() & Qt::Tool);
}

TEST_F(FloatingTextTest, CopiesBothTextsAndSurvivesTheirLoss) {
    auto* gone = new QPlainTextEdit(QStringLiteral("old"));
    FloatingTextWindow w(&debug, gone, &owner);
    data.setPlainText(QStringLiteral("x"));
    debug.setPlainText(QStringLiteral("Now working on Zone 2\nDebug Output Screen"));
    w.copyTexts();
    EXPECT_EQ(w.ui().Text1->toPlainText(), debug.toPlainText());
    EXPECT_EQ(w.ui().Text2->toPlainText(), "old");
    delete gone;
    w.copyTexts(); // the source is gone: the last copy stays
    EXPECT_EQ(w.ui().Text2->toPlainText(), "old");
}

TEST_F(FloatingTextTest, ResizeFollowsTheMarginsAndSkipsNegativeSizes) {
    FloatingTextWindow w(&debug, &data, &owner);
    w.resize(600, 400);
    w.show();
    EXPECT_EQ(w.ui().Frame1->width(), 588);
    EXPECT_EQ(w.ui().Text1->width(), 572);
    EXPECT_EQ(w.ui().Frame2->size(), QSize(588, 400 - 160 - 32));
    EXPECT_EQ(w.ui().Text2->size(), QSize(572, 180)); // (3125 - 425) / 15
    w.resize(600, 170);
    EXPECT_EQ(w.ui().Frame1->width(), 588);
    EXPECT_EQ(w.ui().Frame2->height(), 208); // unchanged: the new height would be negative
}

TEST(QtMessageBoxes, BuildsTheBoxAsGiven) {
    const auto stop = QtMessageBoxes::build(
        {"Initialization Error :(", "Unable to Load Orvane.ini", MessageIcon::Critical}, nullptr);
    EXPECT_EQ(stop->windowTitle(), "Initialization Error :(");
    EXPECT_EQ(stop->text(), "Unable to Load Orvane.ini");
    EXPECT_EQ(stop->icon(), QMessageBox::Critical);
    EXPECT_EQ(stop->standardButtons(), QMessageBox::Ok);

    const auto confirm = QtMessageBoxes::build({"Sure?", "Overwrite?", MessageIcon::Question,
                                                MessageButtons::OkCancel, MessageAnswer::Cancel},
                                               nullptr);
    EXPECT_EQ(confirm->icon(), QMessageBox::Question);
    EXPECT_EQ(confirm->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(confirm->defaultButton(), confirm->button(QMessageBox::Cancel));
    EXPECT_EQ(QtMessageBoxes::build({"!", "x", MessageIcon::Exclamation}, nullptr)->icon(),
              QMessageBox::Warning);
    EXPECT_EQ(QtMessageBoxes::build({"i", "x", MessageIcon::Information}, nullptr)->icon(),
              QMessageBox::Information);
}

TEST(QtMessageBoxes, ShowReturnsTheAnswerClicked) {
    QtMessageBoxes boxes;
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(boxes.show({"Sure?", "Overwrite?", MessageIcon::Question, MessageButtons::OkCancel}),
              MessageAnswer::Cancel);
}

TEST(QtSoundPlayer, MissingOrBrokenFilesPlayNothingAndDoNotHang) {
    testkit::TempFolder folder;
    QtSoundPlayer player(3000);
    QElapsedTimer elapsed;
    elapsed.start();
    player.playWait(joinPath(folder.path(), {"sound", "Z3.wav"}));
    player.playAsync(joinPath(folder.path(), {"sound", "Z3.wav"}));
    const QString broken = joinPath(folder.path(), {"broken.wav"});
    ASSERT_TRUE(writeTextFile(broken, "not a wave file"));
    player.playWait(broken);
    player.playAsync(broken);
    EXPECT_LT(elapsed.elapsed(), 3500);
}

} // namespace
