// orvane-cli refusing what it cannot test: the command line, the mirror, the bench.
#include "ExampleFolder.h"

#include "CommandRunner.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {

TEST(HeadlessCommand, BadUsageIsRefusedWithTheUsage) {
    const QList<QStringList> bad{
        {},
        {"--program-folder", "x", "--mirror", "m"},
        {"run", "--program-folder", "x", "--mirror", "m"},
        {"test", "--mirror", "m"},
        {"test", "--program-folder", "x"},
        {"test", "--program-folder", "x", "--mirror", "m", "--sets", "0"},
        {"test", "--program-folder", "x", "--mirror", "m", "--sets", "5"},
        {"test", "--program-folder", "x", "--mirror", "m", "--sets", "two"},
        {"test", "--program-folder", "x", "--mirror", "m", "--circle", "160,120"},
        {"test", "--program-folder", "x", "--mirror", "m", "--circle", "321,120,100"},
        {"test", "--program-folder", "x", "--mirror", "m", "--circle", "160,120,0"},
        {"test", "--program-folder", "x", "--mirror", "m", "--speed", "3"},
        {"test", "--program-folder", "x", "--mirror", "m", "--mirror", "n"},
        {"test", "--program-folder"},
    };
    for (const QStringList& arguments : bad) {
        const CommandResult r = runCommand(arguments);
        EXPECT_EQ(r.exit, ExitBadUsage) << arguments.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("Usage: orvane-cli test --program-folder DIR --mirror NAME"))
            << arguments.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

TEST(HeadlessCommand, AMissingOrUnusableMirrorRecordFailsWithAMessage) {
    ExampleFolder folder;
    const CommandResult r =
        runCommand({"test", "--program-folder", folder.path(), "--mirror", "Nowhere"});
    EXPECT_EQ(r.exit, ExitFailed);
    EXPECT_TRUE(r.err.contains("Nowhere.ini could not be read")) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());

    // A record without zones, and one that is no record at all.
    folder.writeMirror({"NoZones", "6", "48", "-1", "0", "0", "1"});
    folder.writeMirror({"Broken", "six inches", "48", "-1", "0", "5", "1"});
    for (const QString name : {"NoZones", "Broken"}) {
        const CommandResult bad =
            runCommand({"test", "--program-folder", folder.path(), "--mirror", name});
        EXPECT_EQ(bad.exit, ExitFailed) << name.toStdString();
        EXPECT_TRUE(bad.err.contains(name + ".ini could not be read, or its mirror has no zones"))
            << bad.err.toStdString();
    }
}

TEST(HeadlessCommand, AnUnreadableBenchFileNamedOnTheCommandLineFails) {
    ExampleFolder folder;
    const CommandResult r = runCommand({"test", "--program-folder", folder.path(), "--mirror",
                                        "Demo6f4", "--bench", folder.path() + "/missing.ini"});
    EXPECT_EQ(r.exit, ExitFailed);
    EXPECT_TRUE(r.err.contains("missing.ini")) << r.err.toStdString();
}

TEST(HeadlessCommand, ADarkBenchGivesNoCircleToTest) {
    ExampleFolder folder;
    folder.changeBench({{"gain", "0"}, {"noise", "0"}});
    const CommandResult r =
        runCommand({"test", "--program-folder", folder.path(), "--mirror", "Demo6f4"});
    EXPECT_EQ(r.exit, ExitFailed);
    EXPECT_TRUE(r.err.contains("Auto centre-size found no mirror")) << r.err.toStdString();
}

} // namespace
