#include "app/core/ProgramFolder.h"
#include "app/core/TextFile.h"
#include "support/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace orvane;

TEST(ProgramFolder, CommandLineOverridesTheExecutableFolder) {
    testkit::TempFolder dir;
    EXPECT_EQ(resolveProgramFolder({"orvane", "--program-folder", dir.path()}, "/usr/bin"),
              QDir(dir.path()).absolutePath());
    EXPECT_EQ(resolveProgramFolder({"orvane"}, dir.path()), QDir(dir.path()).absolutePath());
}

TEST(ProgramFolder, UnwritableExecutableFolderFallsBackToUserData) {
    const QString folder = resolveProgramFolder({"orvane"}, "/nonexistent/bin");
    EXPECT_NE(folder, "/nonexistent/bin");
    EXPECT_FALSE(folder.isEmpty());
}

TEST(ProgramFolder, FindsNamesWhateverTheirLetterCase) {
    testkit::TempFolder dir;
    ASSERT_TRUE(ensureFolder(joinPath(dir.path(), {"Mirror", "TextData"})));
    const QString real = joinPath(dir.path(), {"Mirror", "TextData", "test3.txt"});
    ASSERT_TRUE(writeTextFile(real, "x\r\n"));
    EXPECT_EQ(findPathIgnoringCase(joinPath(dir.path(), {"mirror", "textdata", "Test3.txt"})),
              real);
    const QString absent = joinPath(dir.path(), {"Mirror", "TextData", "Test4.txt"});
    EXPECT_EQ(findPathIgnoringCase(absent), absent);
}

TEST(ProgramFolder, JoinUsesTheHostSeparator) {
    EXPECT_EQ(joinPath("/a", {"mirrors", "x.ini"}), QDir::toNativeSeparators("/a/mirrors/x.ini"));
    EXPECT_EQ(joinPath("/a/", {"b"}), QDir::toNativeSeparators("/a/b"));
}
