// The small parts of the headless run: the readings table, messages on a stream, and the
// refusal of outside programs.
#include "app/cli/ReadingsReport.h"
#include "app/cli/RefusingAutomation.h"
#include "app/cli/StreamMessageBoxes.h"

#include "analysis/ZoneGeometry.h"
#include "support/RecordingMessageBoxes.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {

MirrorData sixInchF4(int zones) {
    MirrorData m;
    m.WorkFile = "Demo";
    m.MirDiam = 6;
    m.Obst = 1.5;
    m.Roc = 48;
    m.NZ = zones;
    return m;
}

TEST(ReadingsReport, RowsHoldRadiusSetsPerfectNumberAndTheMeansDifference) {
    const MirrorData mirror = sixInchF4(4);
    const ZoneTable zones = computeZoneGeometry(6, 1.5, 4).table;
    ZoneReadings readings;
    readings.at(2, 0) = 0.021;
    readings.at(2, 1) = 0.025;
    readings.at(4, 0) = 0.07;
    readings.at(4, 1) = 0.066;
    const QStringList lines = readingsReport(mirror, zones, readings, 2, 1).split('\n');
    ASSERT_EQ(lines.size(), 6); // header, 4 zones, and the end of the last line
    EXPECT_EQ(lines[0], "Zone      Radius    Set 1     Set 2     Perf#     Diff");
    EXPECT_EQ(lines[1].simplified(), "1 1.233 0 0 0 0");
    // Perfect numbers 0.023 and 0.067 for this mirror; the differences are of the mean.
    EXPECT_EQ(lines[2].simplified(), "2 1.921 0.021 0.025 0.023 0");
    EXPECT_EQ(lines[3].simplified(), "3 2.411 0 0 0.045 -0.045");
    EXPECT_EQ(lines[4].simplified(), "4 2.816 0.07 0.066 0.067 0.001");
    EXPECT_TRUE(lines[5].isEmpty());
}

TEST(ReadingsReport, FixedSourceDoublesThePerfectNumbersAndSetsAreClamped) {
    const MirrorData mirror = sixInchF4(4);
    const ZoneTable zones = computeZoneGeometry(6, 1.5, 4).table;
    ZoneReadings readings;
    const QStringList fixed = readingsReport(mirror, zones, readings, 1, 2).split('\n');
    EXPECT_EQ(fixed[4].simplified(), "4 2.816 0 0.134 -0.134");
    // More sets than the table holds show the four it has; none shows one.
    EXPECT_TRUE(
        readingsReport(mirror, zones, readings, 9, 1)
            .startsWith("Zone      Radius    Set 1     Set 2     Set 3     Set 4     Perf#"));
    EXPECT_EQ(readingsReport(mirror, zones, readings, 0, 1).section('\n', 0, 0).simplified(),
              "Zone Radius Set 1 Perf# Diff");
}

TEST(ReadingsReport, MeanReadingAveragesTheSetsAsked) {
    ZoneReadings readings;
    readings.at(3, 0) = 0.1;
    readings.at(3, 1) = 0.2;
    readings.at(3, 2) = 0.6;
    EXPECT_DOUBLE_EQ(meanReading(readings, 3, 2), 0.15);
    EXPECT_DOUBLE_EQ(meanReading(readings, 3, 3), 0.3);
    EXPECT_DOUBLE_EQ(meanReading(readings, 3, 0), 0.0);
}

TEST(StreamMessageBoxes, PrintsTitleAndTextAndAnswersOk) {
    QString printed;
    QTextStream stream(&printed);
    StreamMessageBoxes boxes(stream);
    const Message question{"Waiting for Figure to exit", "Press OK to load Sixtests",
                           MessageIcon::None, MessageButtons::OkCancel, MessageAnswer::Cancel};
    EXPECT_EQ(boxes.show(question), MessageAnswer::Ok);
    EXPECT_EQ(boxes.show({"Not Configured!", "first line\r\nsecond line"}), MessageAnswer::Ok);
    EXPECT_EQ(printed, "Waiting for Figure to exit: Press OK to load Sixtests\n"
                       "Not Configured!: first line\nsecond line\n");
}

TEST(RefusingAutomation, RefusesProgramsAndKeysWithAMessageEach) {
    RecordingMessageBoxes boxes;
    RefusingAutomation automation(boxes);
    ProcessLauncher& launcher = automation;
    KeystrokeSender& keys = automation;
    EXPECT_FALSE(launcher.start("/data/figure45.exe", "/data"));
    EXPECT_FALSE(keys.send("%fo", true));
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(boxes.titles(), QStringList({"Headless Run", "Headless Run"}));
    EXPECT_TRUE(boxes.shown[0].text.startsWith("/data/figure45.exe was not started"));
    EXPECT_TRUE(boxes.shown[1].text.startsWith("The keys %fo were not typed"));
}

} // namespace
