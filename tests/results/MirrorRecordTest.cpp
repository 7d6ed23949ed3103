#include "results/MirrorRecord.h"
#include "app/core/ProgramFolder.h"
#include "app/core/TextFile.h"
#include "support/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace orvane;

namespace {
QString writeRecord(const testkit::TempFolder& dir, const QString& fileName, const QString& text) {
    ensureFolder(joinPath(dir.path(), {"mirrors"}));
    const QString path = joinPath(dir.path(), {"mirrors", fileName});
    writeTextFile(path, text);
    return path;
}
} // namespace

TEST(MirrorRecord, WritesSevenCrLfLinesAndReadsThemBack) {
    testkit::TempFolder dir;
    const MirrorData written{"Dob 10", 10.5, 2.25, 60, -1.02, 7, 12};
    ASSERT_TRUE(writeMirrorRecord(dir.path(), "Dob 10", mirrorRecordLines(written)));
    QFile file(joinPath(dir.path(), {"mirrors", "Dob 10.ini"}));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "Dob 10\r\n10.5\r\n60\r\n-1.02\r\n2.25\r\n7\r\n12\r\n");

    MirrorData read;
    ASSERT_TRUE(readMirrorRecord(mirrorRecordPath(dir.path(), "Dob 10"), read));
    EXPECT_EQ(read.WorkFile, "Dob 10");
    EXPECT_EQ(read.MirDiam, 10.5);
    EXPECT_EQ(read.Roc, 60);
    EXPECT_EQ(read.CC, -1.02);
    EXPECT_EQ(read.Obst, 2.25);
    EXPECT_EQ(read.NZ, 7);
    EXPECT_EQ(read.WorkNum, 12);
}

TEST(MirrorRecord, FindsTheFileAndFolderWhateverTheirCase) {
    testkit::TempFolder dir;
    ensureFolder(joinPath(dir.path(), {"Mirrors"}));
    writeTextFile(joinPath(dir.path(), {"Mirrors", "NEWT.INI"}),
                  "Newt\r\n6\r\n48\r\n-1\r\n0\r\n5\r\n2\r\n");
    MirrorData read;
    ASSERT_TRUE(readMirrorRecord(mirrorRecordPath(dir.path(), "newt"), read));
    EXPECT_EQ(read.WorkFile, "Newt");
    // A rewrite goes to the file that is there, not to a second one.
    ASSERT_TRUE(writeMirrorRecord(dir.path(), "newt", mirrorRecordLines(read)));
    EXPECT_EQ(QDir(joinPath(dir.path(), {"Mirrors"})).entryList(QDir::Files).size(), 1);
    EXPECT_FALSE(QFileInfo::exists(joinPath(dir.path(), {"mirrors"})));
}

TEST(MirrorRecord, CountsAreRoundedHalvesToEven) {
    testkit::TempFolder dir;
    MirrorData read;
    ASSERT_TRUE(readMirrorRecord(
        writeRecord(dir, "a.ini", "A\r\n6\r\n48\r\n-1\r\n0\r\n4.5\r\n5.5\r\n"), read));
    EXPECT_EQ(read.NZ, 4);
    EXPECT_EQ(read.WorkNum, 6);
    ASSERT_TRUE(readMirrorRecord(
        writeRecord(dir, "b.ini", "B\r\n6\r\n48\r\n-1\r\n0\r\n5.5\r\n2.49\r\n"), read));
    EXPECT_EQ(read.NZ, 6);
    EXPECT_EQ(read.WorkNum, 2);
}

TEST(MirrorRecord, ExtraLinesAreIgnoredAndMissingOnesCountZero) {
    testkit::TempFolder dir;
    MirrorData read;
    ASSERT_TRUE(readMirrorRecord(
        writeRecord(dir, "long.ini", "L\r\n6\r\n48\r\n-1\r\n0\r\n5\r\n3\r\nnot a number\r\n9\r\n"),
        read));
    EXPECT_EQ(read.WorkNum, 3);

    read = MirrorData{"old", 1, 1, 1, 1, 1, 1};
    ASSERT_TRUE(readMirrorRecord(writeRecord(dir, "short.ini", "S\r\n8\r\n"), read));
    EXPECT_EQ(read.WorkFile, "S");
    EXPECT_EQ(read.MirDiam, 8);
    EXPECT_EQ(read.Roc, 0);
    EXPECT_EQ(read.NZ, 0);
    EXPECT_EQ(read.WorkNum, 0);
}

TEST(MirrorRecord, FailureKeepsTheFieldsReadBeforeIt) {
    testkit::TempFolder dir;
    MirrorData read{"old", 1, 2, 3, 4, 5, 6};
    EXPECT_FALSE(readMirrorRecord(
        writeRecord(dir, "bad.ini", "Bad\r\n8\r\n64\r\nminus one\r\n1\r\n5\r\n2\r\n"), read));
    EXPECT_EQ(read.WorkFile, "Bad");
    EXPECT_EQ(read.MirDiam, 8);
    EXPECT_EQ(read.Roc, 64);
    EXPECT_EQ(read.CC, 4); // the failing line and those after it are untouched
    EXPECT_EQ(read.Obst, 2);
    EXPECT_EQ(read.NZ, 5);
    EXPECT_EQ(read.WorkNum, 6);

    MirrorData untouched{"old", 1, 2, 3, 4, 5, 6};
    EXPECT_FALSE(readMirrorRecord(mirrorRecordPath(dir.path(), "absent"), untouched));
    EXPECT_EQ(untouched.WorkFile, "old");
}

TEST(MirrorRecord, WriteFailsWhenTheMirrorsFolderCannotBeMade) {
    testkit::TempFolder dir;
    writeTextFile(joinPath(dir.path(), {"mirrors"}), "a file in the way\r\n");
    EXPECT_FALSE(writeMirrorRecord(dir.path(), "X", {"X"}));
}
