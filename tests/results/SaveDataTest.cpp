// Save Data's writers in their order, the mirror record's next test number, and the options.
#include "results/SaveData.h"
#include "ResultsBench.h"
#include "results/FileChooser.h"
#include "results/SaveOptionsModel.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {
QByteArray recordOf(const ResultsBench& bench) {
    return bench.bytes(joinPath(bench.programFolder, {"mirrors", "Newt6.ini"}));
}

// Answers file requests from a queue (nullopt = the user cancelled) and records the titles.
struct ScriptedFileChooser : FileChooser {
    std::optional<QString> chooseFileToOpen(const FileRequest& request) override {
        requests << request.title + " | " + request.filter;
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return {}; }
    QList<std::optional<QString>> answers;
    QStringList requests;
};
} // namespace

TEST(SaveData, WithEveryWriterOffOnlySaysItIsNotConfigured) {
    ResultsBench bench;
    EXPECT_FALSE(saveData(bench.context()).configured);
    ASSERT_EQ(bench.boxes.shown.size(), 1);
    EXPECT_EQ(bench.boxes.shown[0].title, "Not Configured!");
    EXPECT_EQ(bench.boxes.shown[0].text, "Save Data Details not configured Properly\r\nGoto Test "
                                         "Options/Save Data Options to Setup Files Save Options");
    EXPECT_EQ(bench.boxes.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(bench.mirror.WorkNum, 3);
    EXPECT_FALSE(QFileInfo::exists(bench.settings.textpath));
    EXPECT_TRUE(recordOf(bench).isEmpty());
}

TEST(SaveData, EachSaveWritesTheNextTestAndAdvancesTheRecordOnlyWhenEveryWriterSucceeds) {
    ResultsBench bench;
    bench.settings.Savetext = true;
    EXPECT_FALSE(saveData(bench.context()).SaveProblem);
    EXPECT_FALSE(saveData(bench.context()).SaveProblem);
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("TextData", "test4.txt")));
    EXPECT_EQ(recordOf(bench), "Newt6\r\n6\r\n48\r\n-1\r\n0\r\n5\r\n5\r\n");
    // A failing figure export spoils the save even though the text report was written.
    bench.settings.Savefigure = true;
    const SaveDataResult failed = saveData(bench.context());
    EXPECT_TRUE(failed.SaveProblem && failed.configured);
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("TextData", "test5.txt")));
    EXPECT_TRUE(recordOf(bench).endsWith("\r\n5\r\n"));
    EXPECT_EQ(bench.boxes.texts().value(0).left(30), "Problem saving Figure File as ");
    // A record that cannot be written does not hold the counter back.
    bench.settings.Savefigure = false;
    QDir(bench.programFolder).removeRecursively();
    ASSERT_TRUE(writeTextFile(bench.programFolder, "a file where the folder belongs\r\n"));
    EXPECT_FALSE(saveData(bench.context()).SaveProblem);
    EXPECT_EQ(bench.mirror.WorkNum, 6);
}

TEST(SaveData, WritersRunInTheirOrderAndCancelOnTheSixtestsQuestionStillAdvances) {
    ResultsBench bench;
    bench.settings.Savefigure = bench.settings.LaunchFigure = true;
    bench.settings.FigurePath = bench.root.path();
    bench.settings.Savetext = bench.settings.SaveSixtests = bench.settings.LaunchSixtests = true;
    bench.boxes.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(saveData(bench.context()).SaveProblem);
    ASSERT_EQ(bench.boxes.shown.size(), 1);
    EXPECT_EQ(bench.boxes.shown[0].title, "Waiting for Figure to exit");
    EXPECT_EQ(bench.boxes.shown[0].text, "Press OK to load Sixtests");
    EXPECT_EQ(bench.boxes.shown[0].buttons, MessageButtons::OkCancel);
    // Only figure45.exe was started, and no set file was written.
    ASSERT_EQ(bench.events.size(), 1);
    EXPECT_TRUE(bench.events[0].contains("figure45.exe"));
    EXPECT_FALSE(QFileInfo::exists(bench.dataFile("SixTests", "Test3.set")));
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("Figure", "Test3.fig")));
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("TextData", "test3.txt")));
    EXPECT_TRUE(recordOf(bench).endsWith("\r\n4\r\n"));
    // Only one of the two launches: no question.
    bench.settings.Savefigure = bench.settings.LaunchSixtests = false;
    EXPECT_FALSE(saveData(bench.context()).SaveProblem);
    EXPECT_EQ(bench.boxes.shown.size(), 1);
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("SixTests", "Test4.set")));
}

TEST(SaveOptions, BrowsingForAProgramKeepsItsFolderAndAnEmptySelectionAsksAgain) {
    ScriptedFileChooser chooser;
    RecordingMessageBoxes boxes;
    chooser.answers = {QString(), QString("/opt/tools/anything.exe"), QString(),
                       QString("/figure45.exe"), std::nullopt};
    EXPECT_EQ(browseProgramFolder(figure45Browse(), chooser, boxes), "/opt/tools");
    boxes.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(browseProgramFolder(sixtestsBrowse(), chooser, boxes));
    EXPECT_FALSE(browseProgramFolder(figure45Browse(), chooser, boxes)); // no folder
    EXPECT_FALSE(browseProgramFolder(figure45Browse(), chooser, boxes)); // cancelled
    EXPECT_EQ(chooser.requests.mid(1, 2),
              QStringList({"Select Figure45.exe then click OPEN | Applications (*.exe)",
                           "Select Sixtest.exe and click OPEN | Applications (*.exe)"}));
    EXPECT_EQ(chooser.requests.size(), 5);
    EXPECT_EQ(boxes.texts(), QStringList({"The Selection  is invalid!\r\nPlease highlight "
                                          "Figure45.exe then click OPEN\r\nPress Cancel to Exit.",
                                          "The Selection  is invalid!\r\nPress Cancel to Exit."}));
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(withoutTrailingSeparator("C:\\data\\"), "C:\\data");
    EXPECT_EQ(withoutTrailingSeparator("/home/ann/data//"), "/home/ann/data/"); // only one
    EXPECT_EQ(withoutTrailingSeparator("/"), "/");
}
