// The Save Data Options dialog and the mirror editor, driven through their controls.
#include "ResultsBench.h"
#include "results/MirrorRecord.h"
#include "results/SaveOptionsModel.h"
#include "results/widgets/SaveOptions.h"
#include "results/widgets/frmEdit.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {
template <typename T> T* child(QWidget& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void click(QWidget& dialog, const char* button) {
    QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
}

QLineEdit* box(QWidget& dialog, const char* name) {
    return child<QLineEdit>(dialog, name);
}
} // namespace

TEST(SaveOptions, BrowsingForAProgramStoresItsFolderAndAnEmptySelectionAsksAgain) {
    ScriptedFileChooser chooser;
    RecordingMessageBoxes boxes;
    chooser.answers = {QString(), QString("/opt/tools/anything.exe")};
    EXPECT_EQ(browseProgramFolder(figure45Browse(), chooser, boxes), "/opt/tools");
    chooser.answers = {QString(), QString("/figure45.exe"), std::nullopt}; // no folder, cancelled
    boxes.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(browseProgramFolder(sixtestsBrowse(), chooser, boxes));
    EXPECT_FALSE(browseProgramFolder(figure45Browse(), chooser, boxes));
    EXPECT_FALSE(browseProgramFolder(figure45Browse(), chooser, boxes));
    EXPECT_EQ(chooser.fileRequests.size(), 5);
    EXPECT_EQ(chooser.fileRequests[0].title, "Select Figure45.exe then click OPEN");
    EXPECT_EQ(chooser.fileRequests[0].filter, "Applications (*.exe)");
    EXPECT_EQ(chooser.fileRequests[2].title, "Select Sixtest.exe and click OPEN");
    EXPECT_EQ(boxes.texts(), QStringList({"The Selection  is invalid!\r\nPlease highlight "
                                          "Figure45.exe then click OPEN\r\nPress Cancel to Exit.",
                                          "The Selection  is invalid!\r\nPress Cancel to Exit."}));
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(withoutTrailingSeparator("C:\\data\\"), "C:\\data");
    EXPECT_EQ(withoutTrailingSeparator("/home/ann/data//"), "/home/ann/data/"); // only one
    EXPECT_EQ(withoutTrailingSeparator("/"), "/");
}

TEST(SaveOptions, TheDialogShowsBrowsesAndStoresOnlyOnOk) {
    Settings settings;
    settings.FigurePath = "/opt/figure";
    settings.Savefigure = settings.LaunchSixtests = true;
    ScriptedFileChooser chooser;
    RecordingMessageBoxes boxes;
    for (const char* button : {"CancelButton", "OKButton"}) {
        SaveOptions dialog(settings, chooser, boxes, "/opt/orvane");
        dialog.show();
        EXPECT_EQ(box(dialog, "Figure")->text(), "/opt/figure");
        EXPECT_TRUE(child<QCheckBox>(dialog, "chkSaveFigure45")->isChecked());
        EXPECT_FALSE(child<QCheckBox>(dialog, "chkSaveSixtests")->isChecked());
        child<QCheckBox>(dialog, "chkSaveSixtests")->setChecked(true);
        child<QCheckBox>(dialog, "chkLaunchSixtests")->setChecked(false);
        chooser.answers = {QString("/new/fig/figure45.exe"), QString("/new/six/sixtests.exe"),
                           QString("/new/data/"), std::nullopt};
        click(dialog, "Command1");
        click(dialog, "Command2");
        click(dialog, "Command3");
        click(dialog, "Command3"); // cancelling the folder picker leaves the box alone
        EXPECT_EQ(box(dialog, "SixTests")->text(), "/new/six");
        EXPECT_EQ(box(dialog, "textpath")->text(), "/new/data");
        box(dialog, "Figure")->setText("/typed/figure/");
        click(dialog, button);
    }
    EXPECT_EQ(chooser.folderRequests,
              QStringList(4, "Select a Directory to Save Text Data | /opt/orvane"));
    EXPECT_EQ(QStringList({settings.FigurePath, settings.Sixtestspath, settings.textpath}),
              QStringList({"/typed/figure", "/new/six", "/new/data"}));
    EXPECT_TRUE(settings.SaveSixtests && settings.Savefigure);
    EXPECT_FALSE(settings.LaunchSixtests);
}

TEST(MirrorEditorDialog, OkClosesEvenOnFailureApplySavesAndExitSavesWhatWasOpened) {
    ResultsBench bench;
    ScriptedFileChooser chooser;
    int zoneCalcs = 0;
    MirrorEditorContext context{
        bench.programFolder,           bench.settings, bench.mirror, bench.boxes,
        [&zoneCalcs] { ++zoneCalcs; }, [] {}};
    writeMirrorRecord(bench.programFolder, "Dob", {"Dob", "10", "90", "-1", "2.5", "9", "4"});
    {
        frmEdit dialog(context, chooser);
        dialog.show();
        EXPECT_EQ(QStringList({box(dialog, "NName")->text(), box(dialog, "Ndiam")->text(),
                               box(dialog, "NCC")->text(), box(dialog, "NNZ")->text()}),
                  QStringList({"", "0", "-1", "5"}));
        box(dialog, "NName")->setText("Newt6");
        click(dialog, "Command2"); // diameter and ROC still 0: OK closes all the same
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(bench.boxes.texts(),
                  QStringList({"Mirror must be greater than 2!", "Roc Must be > 1"}));
    }
    frmEdit dialog(context, chooser);
    dialog.show();
    box(dialog, "NName")->setText("Newt6");
    box(dialog, "Ndiam")->setText("6");
    box(dialog, "NRoc")->setText("48");
    click(dialog, "Apply");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(bench.mirror.WorkFile, "Newt6");
    EXPECT_EQ(zoneCalcs, 1);
    chooser.answers = {std::nullopt, mirrorRecordPath(bench.programFolder, "Dob")};
    click(dialog, "Command1"); // cancelled: nothing changes
    EXPECT_EQ(box(dialog, "NName")->text(), "Newt6");
    click(dialog, "Command1");
    EXPECT_EQ(chooser.fileRequests[1].title, "Which File to Edit?");
    EXPECT_EQ(chooser.fileRequests[1].filter, "*.ini");
    EXPECT_EQ(chooser.fileRequests[1].startFolder, joinPath(bench.programFolder, {"mirrors"}));
    EXPECT_EQ(box(dialog, "NSeries")->text(), "3");
    box(dialog, "NRoc")->setText("91");
    click(dialog, "CancelButton");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(bench.boxes.shown.size(), 2); // no overwrite question
    EXPECT_EQ(bench.mirror.Roc, 91);
    EXPECT_EQ(bench.mirror.WorkNum, 4);
    EXPECT_EQ(bench.settings.mirrorList[0], "Dob");
    EXPECT_EQ(zoneCalcs, 2);
}
