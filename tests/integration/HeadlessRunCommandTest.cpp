// orvane-cli as a user runs it on the example: the printed table and the exit status.
#include "CommandRunner.h"
#include "ExampleFolder.h"

#include "app/core/NumberText.h"
#include "app/core/ProgramFolder.h"
#include "app/core/SettingsFile.h"

#include <QFile>

#include <cmath>
#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {

TEST(HeadlessCommand, ACompletedTestPrintsReadingsBesidePerfectNumbers) {
    ExampleFolder folder;
    const CommandResult r = runCommand({"test", "--program-folder", folder.path(), "--mirror",
                                        "Demo6f4", "--sets", "1", "--circle", "160,120,99"});
    EXPECT_EQ(r.exit, ExitCompleted) << r.err.toStdString();
    const QStringList lines = r.out.split('\n');
    ASSERT_GE(lines.size(), 12) << r.out.toStdString();
    EXPECT_EQ(lines[0], "Mirror Demo6f4: diameter 6\", ROC 48\", conic -1, 5 zones, moving "
                        "source, knife right; 1 set(s)");
    EXPECT_EQ(lines[1], "Mirror circle: centre 160,120, radius 99 px");
    EXPECT_EQ(lines[2].simplified(), "Zone Radius Set 1 Perf# Diff");
    EXPECT_TRUE(lines[3].simplified().startsWith("1 0.822 0 0 0")) << lines[3].toStdString();
    EXPECT_TRUE(lines[7].simplified().startsWith("5 2.844 ")) << lines[7].toStdString();
    for (int row = 3; row <= 7; ++row) {
        const auto difference = parseNumber(lines[row].simplified().section(' ', -1));
        ASSERT_TRUE(difference.has_value()) << lines[row].toStdString();
        EXPECT_LE(std::abs(*difference), 0.002) << lines[row].toStdString();
    }
    EXPECT_EQ(lines[8], "Test Complete! :)");
    EXPECT_TRUE(lines[9].startsWith("Saved as test 1 of Demo6f4: ")) << lines[9].toStdString();
    EXPECT_TRUE(lines[9].endsWith("test1.txt"));
    EXPECT_TRUE(lines[10].startsWith("Frames: ")) << lines[10].toStdString();
    EXPECT_TRUE(lines[10].contains(" per zone on average over 5 zone searches"));
    EXPECT_TRUE(lines[11].startsWith("Wall time: ")) << lines[11].toStdString();
}

TEST(HeadlessCommand, WithoutASettingsFileTheFirstRunDefaultsServe) {
    ExampleFolder folder;
    ASSERT_TRUE(QFile::remove(settingsFilePath(folder.path())));
    // The defaults put the knife on the left of the source: so does this bench.
    folder.changeBench({{"side", "left"}, {"knife_offset", "-0.01"}});
    const CommandResult r = runCommand(
        {"test", "--program-folder", folder.path(), "--mirror", "Demo6f4", "--sets", "1"});
    EXPECT_EQ(r.exit, ExitCompleted) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("Initialization Error :(: Unable to Load Orvane.ini"))
        << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("moving source, knife left; 1 set(s)")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("Test Complete! :)")) << r.out.toStdString();
    // The first-run data folder, and the debug log that the defaults switch on.
    EXPECT_TRUE(QFile::exists(
        joinPath(folder.path(), {"TestResults", "Demo6f4", "TextData", "test1.txt"})));
    EXPECT_TRUE(QFile::exists(joinPath(folder.path(), {"Debug.txt"})));
    // A headless run opens no dialog and so never writes the settings.
    EXPECT_FALSE(QFile::exists(settingsFilePath(folder.path())));
}

} // namespace
