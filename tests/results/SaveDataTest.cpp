#include "results/SaveData.h"
#include "ResultsBench.h"
#include "results/MirrorRecord.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {
QByteArray recordOf(const testkit::ResultsBench& bench) {
    return bench.bytes(joinPath(bench.programFolder, {"mirrors", bench.mirror.WorkFile + ".ini"}));
}
} // namespace

TEST(SaveData, WithEveryWriterOffOnlySaysItIsNotConfigured) {
    testkit::ResultsBench bench;
    const SaveDataResult result = saveData(bench.context());
    EXPECT_FALSE(result.configured);
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

TEST(SaveData, TwoRunsWriteTestNAndNPlusOneAndAdvanceTheRecord) {
    testkit::ResultsBench bench;
    bench.settings.Savetext = true;
    EXPECT_FALSE(saveData(bench.context()).SaveProblem);
    EXPECT_EQ(bench.mirror.WorkNum, 4);
    EXPECT_FALSE(saveData(bench.context()).SaveProblem);
    EXPECT_EQ(bench.mirror.WorkNum, 5);
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("TextData", "test3.txt")));
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("TextData", "test4.txt")));
    EXPECT_FALSE(QFileInfo::exists(bench.dataFile("TextData", "test5.txt")));
    EXPECT_EQ(recordOf(bench), "Newt6\r\n6\r\n48\r\n-1\r\n0\r\n5\r\n5\r\n");
    EXPECT_TRUE(bench.boxes.shown.isEmpty());
}

TEST(SaveData, AFailedWriterKeepsTheTestNumber) {
    testkit::ResultsBench bench;
    bench.settings.Savetext = true;
    bench.settings.textpath.clear();
    const SaveDataResult result = saveData(bench.context());
    EXPECT_TRUE(result.SaveProblem);
    EXPECT_TRUE(result.configured);
    EXPECT_EQ(bench.mirror.WorkNum, 3);
    EXPECT_TRUE(recordOf(bench).isEmpty());
    ASSERT_EQ(bench.boxes.shown.size(), 1);
    EXPECT_TRUE(bench.boxes.shown[0].text.startsWith("Problem saving Text File to " +
                                                     QString(QDir::separator()) + "Newt6"));

    // A failing figure export spoils the run even though the text report was written.
    bench.settings.textpath = bench.root.path() + "/data";
    bench.settings.Savefigure = true;
    EXPECT_TRUE(saveData(bench.context()).SaveProblem);
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("TextData", "test3.txt")));
    EXPECT_EQ(bench.mirror.WorkNum, 3);
}

TEST(SaveData, WritersRunInTheirOrderAndCancelOnTheSixtestsQuestionStillAdvances) {
    testkit::ResultsBench bench;
    bench.settings.Savefigure = true;
    bench.settings.FigurePath = bench.root.path();
    bench.settings.LaunchFigure = true;
    bench.settings.Savetext = true;
    bench.settings.SaveSixtests = true;
    bench.settings.LaunchSixtests = true;
    bench.boxes.answers = {MessageAnswer::Cancel};

    EXPECT_FALSE(saveData(bench.context()).SaveProblem);
    ASSERT_EQ(bench.boxes.shown.size(), 1);
    EXPECT_EQ(bench.boxes.shown[0].title, "Waiting for Figure to exit");
    EXPECT_EQ(bench.boxes.shown[0].text, "Press OK to load Sixtests");
    EXPECT_EQ(bench.boxes.shown[0].buttons, MessageButtons::OkCancel);
    // Only figure45.exe was started, and no set file was written.
    ASSERT_EQ(bench.log.events.size(), 1);
    EXPECT_TRUE(bench.log.events[0].contains("figure45.exe"));
    EXPECT_FALSE(QFileInfo::exists(bench.dataFile("SixTests", "Test3.set")));
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("Figure", "Test3.fig")));
    EXPECT_EQ(bench.mirror.WorkNum, 4);
    EXPECT_TRUE(recordOf(bench).endsWith("\r\n4\r\n"));
}

TEST(SaveData, SixtestsAloneIsWrittenWithoutAQuestion) {
    testkit::ResultsBench bench;
    bench.settings.SaveSixtests = true;
    bench.settings.LaunchFigure = true; // only one of the two launches: no question
    EXPECT_FALSE(saveData(bench.context()).SaveProblem);
    EXPECT_TRUE(bench.boxes.shown.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("SixTests", "Test3.set")));
    EXPECT_EQ(bench.mirror.WorkNum, 4);
}

TEST(SaveData, AnUnwritableRecordStillAdvancesTheCounter) {
    testkit::ResultsBench bench;
    bench.settings.Savetext = true;
    writeTextFile(joinPath(bench.programFolder, {"mirrors"}), "in the way\r\n");
    EXPECT_FALSE(saveData(bench.context()).SaveProblem);
    EXPECT_EQ(bench.mirror.WorkNum, 4);
    EXPECT_TRUE(bench.boxes.shown.isEmpty());
}
