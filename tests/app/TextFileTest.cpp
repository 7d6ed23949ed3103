#include "app/core/TextFile.h"
#include "support/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace orvane;

TEST(TextFile, WritesCrLfAndReadsBothLineEnds) {
    testkit::TempFolder dir;
    const QString path = dir.file("a.txt");
    ASSERT_TRUE(writeTextFile(path, crlfJoin({"one", "", "three"})));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("one\r\n\r\nthree\r\n"));
    EXPECT_EQ(*readTextLines(path), (QStringList{"one", "", "three"}));
    EXPECT_EQ(splitTextLines("a\nb\n"), (QStringList{"a", "b"}));
    EXPECT_EQ(splitTextLines("a\r\n\r\n"), (QStringList{"a", ""}));
    EXPECT_EQ(splitTextLines("a\r\nb"), (QStringList{"a", "b"}));
}

TEST(TextFile, FailedWriteKeepsTheOldFile) {
    testkit::TempFolder dir;
    EXPECT_FALSE(writeTextFile(dir.file("missing/x.txt"), "x"));
    EXPECT_FALSE(readTextLines(dir.file("missing/x.txt")).has_value());
}

TEST(TextFile, AppendCreatesAndExtends) {
    testkit::TempFolder dir;
    const QString path = dir.file("Debug.txt");
    ASSERT_TRUE(appendTextFile(path, "a\r\n"));
    ASSERT_TRUE(appendTextFile(path, "b\r\n"));
    EXPECT_EQ(*readTextLines(path), (QStringList{"a", "b"}));
}
