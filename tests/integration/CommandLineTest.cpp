// orvane-cli's readings table, its refusals of what it cannot test (the command line, the
// mirror, the bench) and its debug lines.
#include "ExampleFolder.h"

#include "analysis/ZoneGeometry.h"
#include "app/cli/ReadingsReport.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {

TEST(ReadingsReport, RowsHoldRadiusSetsPerfectNumberAndTheMeansDifference) {
    const MirrorData mirror{"Demo", 6, 1.5, 48, -1, 4, 1};
    const ZoneTable zones = computeZoneGeometry(6, 1.5, 4).table;
    ZoneReadings readings;
    readings.at(2, 0) = 0.021;
    readings.at(2, 1) = 0.025;
    readings.at(4, 0) = 0.07;
    readings.at(4, 1) = 0.066;
    readings.at(4, 2) = 9; // a set that was not run
    const QStringList lines = readingsReport(mirror, zones, readings, 2, 1).split('\n');
    ASSERT_EQ(lines.size(), 6); // header, 4 zones, and the end of the last line
    EXPECT_EQ(lines[0], "Zone      Radius    Set 1     Set 2     Perf#     Diff");
    // Perfect numbers 0.023 and 0.067 for this mirror; the differences are of the mean.
    EXPECT_EQ(QStringList({lines[1].simplified(), lines[2].simplified(), lines[3].simplified(),
                           lines[4].simplified()}),
              QStringList({"1 1.233 0 0 0 0", "2 1.921 0.021 0.025 0.023 0",
                           "3 2.411 0 0 0.045 -0.045", "4 2.816 0.07 0.066 0.067 0.001"}));
    EXPECT_EQ(readingsReport(mirror, zones, {}, 1, 2).section('\n', 4, 4).simplified(),
              "4 2.816 0 0.134 -0.134"); // a fixed source doubles the perfect numbers
    // More sets than the table holds show the four it has; none shows one.
    EXPECT_EQ(readingsReport(mirror, zones, readings, 9, 1).section('\n', 0, 0).simplified(),
              "Zone Radius Set 1 Set 2 Set 3 Set 4 Perf# Diff");
    EXPECT_EQ(readingsReport(mirror, zones, readings, 0, 1).section('\n', 0, 0).simplified(),
              "Zone Radius Set 1 Perf# Diff");
}

TEST(HeadlessCommand, BadUsageIsRefusedWithTheUsage) {
    QStringList bad{"",
                    "--program-folder x --mirror m",
                    "run --program-folder x --mirror m",
                    "test --mirror m",
                    "test --program-folder x",
                    "test --program-folder",
                    "test --program-folder x --mirror ../m"};
    // A circle must lie on the picture, with room for zones.
    for (const char* more : {"--sets 0", "--sets 5", "--sets two", "--circle 160,120",
                             "--circle 321,120,100", "--circle 160,120,0", "--circle 160,120,5",
                             "--circle 100,120,101", "--speed 3", "--mirror n"})
        bad << QString("test --program-folder x --mirror m ") + more;
    for (const QString& arguments : bad) {
        const CommandResult r = runCommand(arguments.split(' ', Qt::SkipEmptyParts));
        EXPECT_EQ(r.exit, ExitBadUsage) << arguments.toStdString();
        EXPECT_TRUE(r.err.contains("Usage: orvane-cli test --program-folder DIR --mirror NAME"))
            << arguments.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    const CommandResult help = runCommand({"--help"});
    EXPECT_EQ(help.exit, ExitCompleted);
    EXPECT_TRUE(help.out.startsWith("Usage: orvane-cli test") && help.err.isEmpty());
}

TEST(HeadlessCommand, AMirrorOrBenchItCannotTestFailsWithAMessage) {
    ExampleFolder folder;
    folder.writeMirror({"NoZones", "6", "48", "-1", "0", "0", "1"});
    folder.writeMirror({"Broken", "six inches", "48", "-1", "0", "5", "1"});
    const QStringList test{"test", "--program-folder", folder.path(), "--mirror"};
    const struct {
        QStringList arguments;
        QString message;
    } cases[] = {
        {test + QStringList{"Nowhere"}, "Nowhere.ini\" cannot be read"},
        {test + QStringList{"NoZones"},
         "NoZones.ini\" holds \"0\": Number of zones must be between 2 & 11!"},
        {test + QStringList{"Broken"}, "Line 2 of \"" + folder.path() +
                                           "/mirrors/Broken.ini\" holds \"six inches\": Improper "
                                           "format in mirror diameter!"},
        {test + QStringList{"Demo6f4", "--bench", folder.path() + "/missing.ini"},
         "Bench file \"" + folder.path() + "/missing.ini\" cannot be read."},
        {{"test", "--program-folder", folder.path() + "/nowhere", "--mirror", "Demo6f4"},
         "The program folder \"" + folder.path() + "/nowhere\" does not exist."},
        {{"test", "--program-folder", folder.path() + "/orvane.ini", "--mirror", "Demo6f4"},
         "/orvane.ini\" is not a folder."}};
    for (const auto& c : cases) {
        const CommandResult r = runCommand(c.arguments);
        EXPECT_EQ(r.exit, ExitFailed) << c.message.toStdString();
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains("built-in bench") || r.err.contains("Unable to Load"));
        EXPECT_TRUE(r.out.isEmpty());
    }
    folder.changeBench({{"gain", "0"}, {"noise", "0"}});
    const CommandResult dark = runCommand(test + QStringList{"Demo6f4"});
    EXPECT_EQ(dark.exit, ExitFailed);
    EXPECT_TRUE(dark.err.contains("Auto centre-size found no mirror")) << dark.err.toStdString();
}

// Debug lines reach stderr only when asked for: --verbose asks for all, QT_LOGGING_RULES for some.
TEST(HeadlessCommand, VerboseOrLoggingRulesPutSearchAndMotorLinesOnStderr) {
    ExampleFolder folder;
    folder.writeMirror({"TwoZones", "6", "48", "-1", "0", "2", "1"});
    const struct {
        QStringList options;
        const char* rules;
        bool search, motion;
    } cases[] = {{{}, "", false, false},
                 {{"--verbose"}, "", true, true},
                 {{}, "orvane.search.debug=true", true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString() + " " + c.rules);
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_LOGGING_RULES", c.rules);
        cli.setProcessEnvironment(environment);
        cli.start(ORVANE_CLI, QStringList{"test", "--program-folder", folder.path(), "--mirror",
                                          "TwoZones", "--circle", "160,120,100"} +
                                  c.options);
        const QString err = cli.waitForFinished() ? cli.readAllStandardError() : "";
        EXPECT_EQ(cli.exitCode(), ExitCompleted);
        EXPECT_EQ(err.contains("orvane.search: zone 1 frame 1 at X 0 Y 0, LZV"), c.search);
        EXPECT_EQ(err.contains("orvane.motion: knife"), c.motion);
    }
}

// --precision, and a series: --repeat alone runs back to back; --every needs --repeat.
TEST(HeadlessCommand, PrecisionAndRepeatedTestsAreAskedForOnTheCommandLine) {
    const QStringList base{"orvane-cli", "test", "--program-folder", "x", "--mirror", "m"};
    const auto options = [&](const QString& more) {
        return parseHeadlessCommandLine(base + more.split(' ')).options;
    };
    const auto series = options("--precision --repeat 5 --every 10");
    ASSERT_TRUE(series.has_value());
    EXPECT_TRUE(series->precision);
    EXPECT_EQ(std::pair(series->repeat, series->everyMinutes), std::pair(5, std::optional(10)));
    EXPECT_EQ(options("--repeat 3")->everyMinutes, 0);
    for (const char* bad : {"--every 10", "--repeat 0", "--repeat 1001", "--repeat 2 --every -1",
                            "--repeat 2 --every 1441", "--repeat 2 --repeat 3"})
        EXPECT_FALSE(options(bad).has_value()) << bad;
}

} // namespace
