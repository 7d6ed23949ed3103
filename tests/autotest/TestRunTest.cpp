#include "TestRunHarness.h"

#include "autotest/TestStatistics.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cmath>
#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {

// Two sets of two zones: zone 1 nulls at counter 37 in set 1 (the origin) and 0 in set 2; zone 2
// sits 800 half-steps (0.1") out in set 1 and 2400 (0.3") in set 2.
void statisticsExample(TestRunHarness& h) {
    h.settings.Reps = 1;
    h.nullOnFirstFrame(
        [](int set, int zone) { return zone == 1 ? 37 - 37 * set : 800 + 1600 * set; });
}

} // namespace

TEST(TestRun, StartWithoutZonesOnlyTellsOtherwiseItClearsAndBeginsZoneOne) {
    TestRunHarness h;
    h.program.setZonesReady(false);
    h.program.requestAbort(true);
    h.outputs.debugLog = "old debug";
    h.readings.at(2, 3) = 1.25;
    EXPECT_FALSE(h.run->start());
    h.run->step();
    EXPECT_EQ(h.messages.titles(), QStringList{"Do the Zones!"});
    EXPECT_EQ(h.messages.texts(), QStringList{"Please setup zones first ;)"});
    EXPECT_EQ(h.messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(h.log.isEmpty());
    EXPECT_EQ(h.readings.at(2, 3), 1.25);

    h.program.setZonesReady(true);
    QDir(h.programFolder.path()).mkpath("sound");
    QFile cue(h.programFolder.file("sound/z1.WAV")); // any letter case is found
    ASSERT_TRUE(cue.open(QIODevice::WriteOnly));
    h.settings.autoTest = {70, 40, 4, 10, 1, 6, 15, 15, 40, 20, 16, 30, 8};
    h.light = {81, 40};
    ASSERT_TRUE(h.run->start());
    EXPECT_FALSE(h.run->start()); // already running
    EXPECT_FALSE(h.program.abortRequested() || h.program.liveAllowed());
    EXPECT_EQ(h.readings.at(2, 3), 0.0);
    EXPECT_TRUE(h.outputs.debugLog.isEmpty());
    h.steps(2);
    EXPECT_EQ(h.log.mid(5), QStringList({"cue z1.WAV", "grab", "measure 1", "grab", "measure 2"}));
    EXPECT_EQ(h.outputs.debugLog, "Now working on Zone 1\r\n");
    EXPECT_EQ(h.outputs.MotorStatus, "Testing Zone 1");
    // The search's moves reach the motors, each half-step with its wait.
    h.steps(3);
    EXPECT_EQ(h.runs().last(), "knife -1 wait 2 x6");
    h.light = {60, 50}; // in range, but not brighter on the knife side by the delta: forward
    h.steps(15);
    EXPECT_EQ(h.runs().last(), "platform 1 wait 3 x40");
    EXPECT_TRUE(h.outputs.debugLog.startsWith(
        "Zone 1 Is Closer to mirror, moving forward 0.01\" LZV =60 RZV = 50\r\n"));
}

TEST(TestRun, RewindAnnouncesAndDrivesBothAxesHome) {
    const struct {
        int ypos, xpos;
        const char *message, *moves;
    } cases[] = {{120, 4, "120 Steps to -1", "platform 1 wait 2 x120|knife -1 wait 2 x4|"},
                 {1, -3, "1 Steps to -1", "platform 1 wait 2|knife 1 wait 2 x3|"},
                 {0, 0, "0 Steps to 1", ""},
                 {-5, 1, "-5 Steps to 1", "platform -1 wait 2 x5|knife -1 wait 2|"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ypos);
        TestRunHarness h;
        h.nullOnFirstFrame([&h, c](int, int zone) {
            h.x = zone == 2 ? c.xpos : 0;
            return zone == 1 ? 10 : c.ypos;
        });
        ASSERT_TRUE(h.run->start());
        h.steps(3);
        EXPECT_TRUE(h.outputs.debugLog.startsWith(QString("Rewinding ") + c.message + "steps\r\n"))
            << h.outputs.debugLog.toStdString();
        h.log.clear();
        h.run->step();
        EXPECT_TRUE(h.runs().join('|').startsWith(c.moves + QString("still|")));
    }
}

TEST(TestRun, TwoSetsGiveTheReadingsTheStatisticsPicturesLogAndTheEndSequence) {
    TestRunHarness h;
    statisticsExample(h);
    h.settings.DebugDisplay = true;
    h.settings.SavePicture = 1;
    h.outputs.readingsTable = "Earlier table\r\n";
    const QString debugLog = h.programFolder.file("Debug.txt");
    ASSERT_TRUE(appendTextFile(debugLog, "earlier test\r\n"));
    ASSERT_TRUE(QDir(h.dataFolder.path()).mkpath("Mirror/images")); // any case is reused
    h.clock.spinNs(1'000'000'000'000);
    // Four search frames, the origin's still frame and the final one: 6 x 25.4 s.
    h.frameNs = 25'400'000'000;
    ASSERT_TRUE(h.runToEnd());

    EXPECT_NEAR(h.outputs.TestStdDeviation, 0.0707106781186548 * 25.4, 1e-12);
    const QString deviation = "Standard Deviation for this test was: 0.07071\"\r\n";
    const QString elapsed = "Elapsed Test Time, 2 Minutes 32 seconds\r\n";
    const QString table = "Zone 1\t0\t0\r\nZone 2\t0.1\t0.3\r\n\r\nEarlier table\r\n";
    EXPECT_EQ(h.outputs.readingsTable, deviation + elapsed + table);
    EXPECT_TRUE(h.outputs.debugLog.isEmpty());
    EXPECT_EQ(h.outputs.MotorStatus, "Test Complete! :)");
    QString events =
        "Timer1 off|energise|Commands off|Picture3 hidden|relayout|cue Z1.wav|grab|"
        "measure 1|zero|still|measure 1|P10|cue Z2.wav|grab|measure 1|P20|"
        "platform 1 wait 2 x800|cue Z1.wav|grab|measure 1|P11|cue Z2.wav|grab|"
        "measure 1|P21|platform 1 wait 2 x2400|still|measure 1|release|"
        "Commands on|Timer1 on|timing|uncheck track|play transpec.wav|save data 1.79605|"
        "timing|Picture3 shown|relayout";
    const QString folder = h.dataFolder.path() + "/Mirror/images/Test7/";
    events.replace(QRegularExpression(R"(P(\d)(\d))"),
                   "pictures " + folder + "Zone\\1rep\\2.bmp " + folder + "Raw_Zone\\1rep\\2.bmp");
    EXPECT_EQ(h.runs().join('|'), events);

    QFile file(debugLog);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QString log = QString::fromUtf8(file.readAll());
    log.replace(QRegularExpression(R"(\d\d:\d\d:\d\d)"), "T");
    const auto set = [](const char* ypos) {
        return QStringLiteral("Rewinding %1 Steps to -1steps\r\n").arg(ypos) +
               "Found Zone 2 @ T LZV =50 RZV = 50\r\nNow working on Zone 2\r\n"
               "Found Zone 1 @ T LZV =50 RZV = 50\r\nNow working on Zone 1\r\n\r\n";
    };
    EXPECT_EQ(log, "earlier test\r\n" + set("800") + set("2400") + deviation + elapsed + elapsed +
                       table + "\r\n");
}

TEST(TestRun, MetricStatisticsAndThenOneSetFromCleanReadings) {
    TestRunHarness h;
    statisticsExample(h);
    h.settings.Metric = true;
    h.settings.DebugDisplay = true;
    ASSERT_TRUE(QDir(h.programFolder.path()).mkdir("Debug.txt")); // a folder in the log's way
    ASSERT_TRUE(h.runToEnd());
    EXPECT_NEAR(h.outputs.TestStdDeviation, 1.79605122421383, 1e-12);
    EXPECT_TRUE(
        h.outputs.readingsTable.startsWith("Standard Deviation for this test was: 1.79605mm\r\n"
                                           "Elapsed Test Time, 0 Minutes 0 seconds\r\n"
                                           "Zone 1\t0\t0\r\nZone 2\t2.54\t7.62\r\n"));
    EXPECT_EQ(h.messages.titles(), QStringList{"Debug Log Problem"}); // once for three writes

    h.settings.Metric = h.settings.DebugDisplay = false;
    h.settings.Reps = 0;
    h.settings.SavePicture = 1; // but no data folder to save them in
    h.settings.textpath.clear();
    h.nullOnFirstFrame([](int, int zone) { return zone == 1 ? 5 : -2; });
    ASSERT_TRUE(h.runToEnd());
    EXPECT_EQ(h.readings.at(2, 0), -0.0002); // -0.00025 to even
    EXPECT_EQ(h.readings.at(2, 1), 0.0);
    EXPECT_EQ(h.outputs.TestStdDeviation, 0.01);
    EXPECT_TRUE(h.outputs.readingsTable.startsWith("Elapsed Test Time, ")); // no deviation line
    EXPECT_EQ(h.log.filter("save data").size(), 2);
    EXPECT_TRUE(h.log.filter("pictures").isEmpty());
    EXPECT_TRUE(QDir(h.dataFolder.path()).isEmpty());
    EXPECT_EQ(h.messages.shown.size(), 1); // the log is off
}

TEST(TestRun, RepsBeyondTheTableRunFourSetsOfZonesWithoutFrames) {
    TestRunHarness h;
    h.settings.autoTest.TFFinalFrames = 0;
    h.settings.Reps = 9;
    h.mirror.NZ = 1;
    ASSERT_TRUE(h.runToEnd(100));
    EXPECT_EQ(h.log.filter("cue").size(), 4);
    EXPECT_EQ(h.log.count("grab"), 0);
    EXPECT_EQ(h.log.count("still"), 1); // the final frame only
    EXPECT_EQ(h.log.filter("save data").size(), 1);
}

TEST(TestRun, AbortOrClosingDuringTheSecondSetEndsAtOnceWithoutSaving) {
    for (const bool closing : {false, true}) {
        SCOPED_TRACE(closing);
        TestRunHarness h;
        statisticsExample(h);
        h.mirror.NZ = 3;
        h.outputs.TestStdDeviation = 42;
        h.record = true; // kept all the same; when it cannot be, the test says so
        if (closing)
            h.settings.textpath.clear();
        h.afterMeasure = [&h, closing] {
            if (h.run->currentSet() == 1 && h.run->currentZone() == 2) {
                if (closing)
                    h.program.beginClosing();
                else
                    h.program.requestAbort(true);
            }
        };
        ASSERT_TRUE(h.runToEnd());
        EXPECT_EQ(h.readings.at(2, 0), 0.1);
        EXPECT_EQ(h.readings.at(2, 1), 0.3); // nulled in the very frame that saw the abort
        EXPECT_EQ(h.readings.at(3, 1), 0.0);
        EXPECT_EQ(h.log.count("grab"), 5);
        EXPECT_EQ(h.outputs.MotorStatus, closing ? "Test Complete! :)" : "Test Aborted!");
        // No rewind, no statistics, no Save Data; only the abort box silences the end cue.
        EXPECT_TRUE(h.runs().join('|').endsWith(
            QString("grab|measure 1|still|measure 1|release|") + (closing ? "close|" : "") +
            "Commands on|Timer1 on|timing|uncheck track|" + (closing ? "play transpec.wav|" : "") +
            "timing|Picture3 shown|relayout"));
        EXPECT_EQ(h.outputs.TestStdDeviation, 42);
        EXPECT_TRUE(h.outputs.readingsTable.startsWith("Elapsed Test Time, "));
        EXPECT_EQ(h.program.mode(), closing ? ProgramMode::Closing : ProgramMode::Live);
        EXPECT_EQ(h.messages.texts(),
                  closing ? QStringList{"The test was not recorded: no data folder is set."}
                          : QStringList{});
        EXPECT_EQ(QFileInfo::exists(h.dataFolder.file("Mirror/TextData/unsaved-test.avi")),
                  !closing);
    }
}

// A move of 1200 half-steps is made 500 at a time, one part a step: an abort between parts stops
// the motors after the part in hand.
TEST(TestRun, ALongMoveGoesOnOverStepsAndAnAbortBetweenThemStopsIt) {
    for (const bool abort : {false, true}) {
        TestRunHarness h;
        h.settings.autoTest = {70, 40, 0, 10, 1, 1200, 15, 15, 40, 20, 16, 30, 8};
        h.light = {200, 40}; // far too bright on the knife side: the large cut in
        ASSERT_TRUE(h.run->start());
        h.steps(1);
        EXPECT_EQ(h.x, -500);
        h.program.requestAbort(abort);
        h.steps(2);
        EXPECT_EQ(h.x, abort ? -1000 : -1200);
        EXPECT_EQ(h.run->running(), !abort);
        EXPECT_EQ(h.log.count("grab"), 1);
    }
}

TEST(TestStatistics, MeanOverZonesOfEachZonesSampleDeviation) {
    ZoneReadings readings;
    EXPECT_EQ(testStandardDeviation(readings, 0, 1), 0.0);
    for (int r = 0; r < 4; ++r)
        readings.at(1, r) = r + 1;
    // Zone 1: mean 2.5, squares 2.25 + 0.25 + 0.25 + 2.25 = 5, sample variance 5 / 3; zone 2: 0.
    EXPECT_NEAR(testStandardDeviation(readings, 2, 3), std::sqrt(5.0 / 3.0) / 2, 1e-12);
}

TEST(TestProgress, TheTimeLeftFollowsTheAverageZoneSoFar) {
    constexpr qint64 Minute = 60'000'000'000;
    const struct {
        TestProgress progress;
        const char* line;
    } cases[] = {
        {{1, 2, 1, 5, 5'000'000'000}, "Set 1 of 2, zone 1 of 5, 0:05 elapsed"},
        {{1, 2, 3, 5, 2 * Minute}, "Set 1 of 2, zone 3 of 5, 2:00 elapsed, about 8:00 left"},
        {{2, 2, 5, 5, 9 * Minute}, "Set 2 of 2, zone 5 of 5, 9:00 elapsed, about 1:00 left"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(progressLine(c.progress), c.line);
}
