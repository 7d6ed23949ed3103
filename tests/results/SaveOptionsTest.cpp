#include "results/widgets/SaveOptions.h"
#include "RecordingAutomation.h"
#include "results/SaveOptionsModel.h"
#include "support/RecordingMessageBoxes.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace orvane;

namespace {
Settings configured() {
    Settings s;
    s.FigurePath = "/opt/figure";
    s.Savefigure = true;
    s.LaunchFigure = false;
    s.Sixtestspath = "/opt/sixtests";
    s.SaveSixtests = false;
    s.LaunchSixtests = true;
    s.Launch3d = true;
    s.textpath = "/home/ann/data";
    s.Savetext = true;
    return s;
}

template <typename T> T* child(QWidget& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}
} // namespace

TEST(SaveOptionsModel, TrailingSeparatorsAreStrippedOnce) {
    EXPECT_EQ(withoutTrailingSeparator("C:\\data\\"), "C:\\data");
    EXPECT_EQ(withoutTrailingSeparator("/home/ann/data/"), "/home/ann/data");
    EXPECT_EQ(withoutTrailingSeparator("/home/ann/data//"), "/home/ann/data/");
    EXPECT_EQ(withoutTrailingSeparator("/"), "/");
    EXPECT_EQ(withoutTrailingSeparator(""), "");

    Settings settings;
    SaveOptionsValues values = saveOptionsOf(configured());
    values.textpath = "/home/ann/data/";
    values.FigurePath = "/opt/figure\\";
    applySaveOptions(values, settings);
    EXPECT_EQ(settings.textpath, "/home/ann/data");
    EXPECT_EQ(settings.FigurePath, "/opt/figure");
    EXPECT_TRUE(settings.Launch3d);
    EXPECT_TRUE(settings.Savetext);
    EXPECT_FALSE(settings.SaveSixtests);
}

TEST(SaveOptionsModel, BrowsingForAProgramStoresItsFolder) {
    testkit::ScriptedFileChooser chooser;
    testkit::RecordingMessageBoxes boxes;
    chooser.answers = {QString("/opt/tools/anything.exe")};
    EXPECT_EQ(browseProgramFolder(figure45Browse(), chooser, boxes), "/opt/tools");
    ASSERT_EQ(chooser.fileRequests.size(), 1);
    EXPECT_EQ(chooser.fileRequests[0].title, "Select Figure45.exe then click OPEN");
    EXPECT_EQ(chooser.fileRequests[0].filter, "Applications (*.exe)");

    chooser.answers = {QString("C:\\Programs\\Six\\SIXTESTS.EXE")};
    EXPECT_EQ(browseProgramFolder(sixtestsBrowse(), chooser, boxes), "C:\\Programs\\Six");
    EXPECT_EQ(chooser.fileRequests[1].title, "Select Sixtest.exe and click OPEN");

    chooser.answers = {QString("/figure45.exe")}; // no folder before the name: no change
    EXPECT_FALSE(browseProgramFolder(figure45Browse(), chooser, boxes));
    chooser.answers = {std::nullopt};
    EXPECT_FALSE(browseProgramFolder(figure45Browse(), chooser, boxes));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST(SaveOptionsModel, AnEmptySelectionAsksAgainOrGivesUp) {
    testkit::ScriptedFileChooser chooser;
    testkit::RecordingMessageBoxes boxes;
    chooser.answers = {QString(), QString("/opt/f/figure45.exe")};
    EXPECT_EQ(browseProgramFolder(figure45Browse(), chooser, boxes), "/opt/f");
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, "The Selection  is invalid!\r\nPlease highlight Figure45.exe "
                                   "then click OPEN\r\nPress Cancel to Exit.");
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(chooser.fileRequests.size(), 2);

    boxes.answers = {MessageAnswer::Cancel};
    chooser.answers = {QString()};
    EXPECT_FALSE(browseProgramFolder(sixtestsBrowse(), chooser, boxes));
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(boxes.shown[1].text, "The Selection  is invalid!\r\nPress Cancel to Exit.");
}

TEST(SaveOptionsDialog, ShowsTheFieldsAndCaptions) {
    Settings settings = configured();
    testkit::ScriptedFileChooser chooser;
    testkit::RecordingMessageBoxes boxes;
    SaveOptions dialog(settings, chooser, boxes, "/opt/orvane");
    EXPECT_EQ(child<QLineEdit>(dialog, "Figure")->text(), "/opt/figure");
    EXPECT_EQ(child<QLineEdit>(dialog, "SixTests")->text(), "/opt/sixtests");
    EXPECT_EQ(child<QLineEdit>(dialog, "textpath")->text(), "/home/ann/data");
    EXPECT_TRUE(child<QCheckBox>(dialog, "chkSaveFigure45")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(dialog, "chkLaunchFigure45")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(dialog, "chkSaveSixtests")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(dialog, "chkLaunchSixtests")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(dialog, "ChkLaunch3d")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(dialog, "chktext")->isChecked());
    EXPECT_EQ(child<QCheckBox>(dialog, "chkLaunchFigure45")->text(),
              "Auo Launch Figure45 after saving data?");
    EXPECT_EQ(child<QCheckBox>(dialog, "chktext")->text(),
              "Auto Save data as plain text file as well? ");
    EXPECT_EQ(child<QCheckBox>(dialog, "ChkLaunch3d")->text(), "Launch 3d Mirror after Sixtests?");
    for (const char* name : {"Command1", "Command2", "Command3"})
        EXPECT_EQ(child<QPushButton>(dialog, name)->text(), "Browse");
    EXPECT_EQ(child<QPushButton>(dialog, "OKButton")->text(), "OK");
    EXPECT_EQ(child<QPushButton>(dialog, "CancelButton")->text(), "Cancel");
}

TEST(SaveOptionsDialog, OkStoresTheControlsAndCancelChangesNothing) {
    Settings settings = configured();
    testkit::ScriptedFileChooser chooser;
    testkit::RecordingMessageBoxes boxes;
    {
        SaveOptions dialog(settings, chooser, boxes, "/opt/orvane");
        dialog.show();
        child<QCheckBox>(dialog, "chkSaveSixtests")->setChecked(true);
        child<QCheckBox>(dialog, "chktext")->setChecked(false);
        child<QLineEdit>(dialog, "textpath")->setText("/elsewhere/");
        QTest::mouseClick(child<QPushButton>(dialog, "CancelButton"), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_FALSE(settings.SaveSixtests);
    EXPECT_TRUE(settings.Savetext);
    EXPECT_EQ(settings.textpath, "/home/ann/data");

    SaveOptions dialog(settings, chooser, boxes, "/opt/orvane");
    dialog.show();
    child<QCheckBox>(dialog, "chkSaveSixtests")->setChecked(true);
    child<QLineEdit>(dialog, "textpath")->setText("/elsewhere/");
    QTest::mouseClick(child<QPushButton>(dialog, "OKButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(settings.SaveSixtests);
    EXPECT_TRUE(settings.Launch3d);
    EXPECT_EQ(settings.textpath, "/elsewhere");
}

TEST(SaveOptionsDialog, BrowseButtonsFillTheirBoxes) {
    Settings settings = configured();
    testkit::ScriptedFileChooser chooser;
    testkit::RecordingMessageBoxes boxes;
    SaveOptions dialog(settings, chooser, boxes, "/opt/orvane");
    dialog.show();
    chooser.answers = {QString("/new/fig/figure45.exe"), QString("/new/six/sixtests.exe"),
                       QString("/new/data/"), std::nullopt};
    QTest::mouseClick(child<QPushButton>(dialog, "Command1"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(dialog, "Command2"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(dialog, "Command3"), Qt::LeftButton);
    EXPECT_EQ(child<QLineEdit>(dialog, "Figure")->text(), "/new/fig");
    EXPECT_EQ(child<QLineEdit>(dialog, "SixTests")->text(), "/new/six");
    EXPECT_EQ(child<QLineEdit>(dialog, "textpath")->text(), "/new/data");
    EXPECT_EQ(chooser.folderRequests,
              QStringList({"Select a Directory to Save Text Data | /opt/orvane"}));
    // Cancelling the folder picker leaves the box alone.
    QTest::mouseClick(child<QPushButton>(dialog, "Command3"), Qt::LeftButton);
    EXPECT_EQ(child<QLineEdit>(dialog, "textpath")->text(), "/new/data");
    EXPECT_EQ(settings.FigurePath, "/opt/figure"); // nothing stored before OK
}
