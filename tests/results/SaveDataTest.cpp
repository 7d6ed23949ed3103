#include "results/SaveData.h"
#include "ResultsBench.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {
QByteArray recordOf(const ResultsBench& bench) {
    return bench.bytes(joinPath(bench.programFolder, {"mirrors", "Newt6.ini"}));
}
} // namespace

TEST(SaveData, WithEveryWriterOffOnlySaysItIsNotConfigured) {
    ResultsBench bench;
    EXPECT_FALSE(saveData(bench.context()).configured);
    ASSERT_EQ(bench.boxes.shown.size(), 1);
    const Message& shown = bench.boxes.shown[0];
    EXPECT_EQ(shown.title, "Not Configured!");
    EXPECT_EQ(shown.text, "Save Data Details not configured Properly\r\nGoto Test Options/Save "
                          "Data Options to Setup Files Save Options");
    EXPECT_EQ(shown.icon, MessageIcon::Information);
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
    EXPECT_TRUE(bench.boxes.shown.isEmpty());

    // A failing figure export spoils the save even though the text report was written.
    bench.settings.Savefigure = true;
    const SaveDataResult failed = saveData(bench.context());
    EXPECT_TRUE(failed.SaveProblem && failed.configured);
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("TextData", "test5.txt")));
    EXPECT_EQ(bench.mirror.WorkNum, 5);
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
    ASSERT_EQ(bench.automation.events.size(), 1);
    EXPECT_TRUE(bench.automation.events[0].contains("figure45.exe"));
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
