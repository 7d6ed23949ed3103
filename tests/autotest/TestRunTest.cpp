#include "TestRunHarness.h"

#include "app/core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {

// Two zones: zone 2 sits 800 half-steps (0.1") out in set 1 and 2400 (0.3") in set 2.
void statisticsExample(TestRunHarness& h) {
    h.nullOnFirstFrame();
    h.settings.Reps = 1;
    h.placePlatform([](int set, int zone) {
        if (zone == 1)
            return set == 0 ? 37 : 0;
        return set == 0 ? 800 : 2400;
    });
}

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(TestRunStart, WithoutZonesOnlyTheMessageAppears) {
    TestRunHarness h;
    h.flags.ZoneOn = false;
    h.readings.at(3, 1) = 2.5;
    EXPECT_FALSE(h.run->start());
    ASSERT_EQ(h.messages.shown.size(), 1);
    EXPECT_EQ(h.messages.shown[0].title, "Do the Zones!");
    EXPECT_EQ(h.messages.shown[0].text, "Please setup zones first ;)");
    EXPECT_EQ(h.messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_FALSE(h.run->running());
    h.run->step();
    EXPECT_EQ(h.rig.motorWrites, 0);
    EXPECT_EQ(h.rig.grabs, 0);
    EXPECT_TRUE(h.calls.isEmpty());
    EXPECT_TRUE(h.flags.Manual);
    EXPECT_EQ(h.readings.at(3, 1), 2.5);
}

TEST(TestRunStart, StopsTheLiveLoopEnergisesAndClears) {
    TestRunHarness h;
    h.flags.abort = true;
    h.outputs.Text1 = "old debug";
    h.readings.at(2, 3) = 1.25;
    ASSERT_TRUE(h.run->start());
    EXPECT_TRUE(h.run->running());
    EXPECT_FALSE(h.flags.abort);
    EXPECT_FALSE(h.flags.Manual);
    EXPECT_EQ(h.rig.motorWrites, 1);
    EXPECT_TRUE(h.outputs.Text1.isEmpty());
    EXPECT_EQ(h.readings.at(2, 3), 0.0);
    EXPECT_EQ(h.calls, (QStringList{"Timer1 off", "Commands off", "Picture3 hidden", "relayout"}));
    EXPECT_FALSE(h.run->start()); // already running
}

TEST(TestRunZone, CueTextAndStatusWhenAZoneBegins) {
    TestRunHarness h;
    QDir(h.programFolder.path()).mkpath("sound");
    QFile cue(h.programFolder.file("sound/z1.WAV"));
    ASSERT_TRUE(cue.open(QIODevice::WriteOnly));
    cue.close();
    h.settings.autoTest.TFFinalFrames = 30;
    ASSERT_TRUE(h.run->start());
    h.run->step();
    EXPECT_EQ(h.sounds.started, QStringList{cue.fileName()});
    EXPECT_EQ(h.outputs.Text1, "Now working on Zone 1\r\n");
    EXPECT_EQ(h.outputs.MotorStatus, "Testing Zone 1");
    EXPECT_EQ(h.rig.grabs, 1);
    EXPECT_EQ(h.rig.averaged, QList<int>{1});
    h.run->step();
    EXPECT_EQ(h.rig.averaged, (QList<int>{1, 2}));
    EXPECT_EQ(h.sounds.started.size(), 1);
}

TEST(TestRunZone, NullRecordsTheReadingTableAndFoundLine) {
    TestRunHarness h;
    h.nullOnFirstFrame();
    h.mirror.NZ = 3;
    h.outputs.Text2 = "Previous readings\r\n";
    h.placePlatform([](int, int zone) { return zone == 1 ? 99 : zone == 2 ? 4 : -2; });

    ASSERT_TRUE(h.run->start());
    h.run->step();
    // Zone 1 of the first set is the origin: counters zeroed, a still frame measured.
    EXPECT_EQ(h.rig.y, 0);
    EXPECT_EQ(h.rig.yOrigin, 99);
    EXPECT_EQ(h.rig.stills, 1);
    EXPECT_EQ(h.rig.measurements(), 2);
    EXPECT_EQ(h.outputs.Text2, "Zone 1\t0\r\nZone 2\t0\r\nZone 3\t0\r\n\r\nPrevious readings\r\n");
    const QRegularExpression found(
        R"(^Found Zone 1 @ \d\d:\d\d:\d\d LZV =50 RZV = 50\r\nNow working on Zone 1\r\n$)");
    EXPECT_TRUE(found.match(h.outputs.Text1).hasMatch()) << h.outputs.Text1.toStdString();

    h.outputs.Text2 = "replaced by the table";
    h.run->step();
    h.run->step();
    EXPECT_EQ(h.rig.stills, 1);
    EXPECT_EQ(h.readings.at(2, 0), 0.0005);
    EXPECT_EQ(h.readings.at(3, 0), -0.0002); // -0.00025 to even
    EXPECT_EQ(h.outputs.Text2,
              "Zone 1\t0\r\nZone 2\t0.0005\r\nZone 3\t-0.0002\r\n\r\nPrevious readings\r\n");
    EXPECT_TRUE(h.outputs.Text1.startsWith("Found Zone 3 @ "));
}

TEST(TestRunZone, MetricReadingsInMillimetres) {
    TestRunHarness h;
    h.nullOnFirstFrame();
    h.settings.Metric = true;
    h.placePlatform([](int, int zone) { return zone == 1 ? 0 : 6; });
    ASSERT_TRUE(h.run->start());
    ASSERT_TRUE(h.runToEnd());
    EXPECT_EQ(h.readings.at(2, 0), 0.019); // 6 * 0.000125 * 25.4 = 0.01905, to even
}

TEST(TestRunZone, SearchMovesReachTheMotorsWithTheirWaits) {
    TestRunHarness h;
    AutoTestVariables& v = h.settings.autoTest;
    v = AutoTestVariables{};
    v.Max = 70;
    v.Min = 40;
    v.LRLgMove = 6;
    v.LRSmMove = 1;
    v.TFOblateMove = 40;
    h.rig.light = [](int) { return ZoneLight{81, 40}; };
    ASSERT_TRUE(h.run->start());
    for (int f = 1; f <= v.LRMinFrames + 1; ++f)
        h.run->step();
    EXPECT_EQ(h.rig.knifeSteps, QList<int>(6, -1));
    EXPECT_EQ(h.rig.waits, QList<int>(6, 2));
    EXPECT_EQ(h.rig.x, -6);
    EXPECT_EQ(h.run->search().frame(), 2);
    // In range now, but not brighter on the knife side by the delta: forward. The average
    // still holds the frame measured before the knife move.
    h.rig.light = [](int) { return ZoneLight{60, 50}; };
    while (h.rig.platformSteps.isEmpty())
        h.run->step();
    EXPECT_EQ(h.rig.platformSteps, QList<int>(40, 1));
    EXPECT_EQ(h.rig.y, -40);
    EXPECT_EQ(h.rig.waits.mid(6), QList<int>(40, 3));
    EXPECT_TRUE(h.outputs.Text1.startsWith(
        "Zone 1 Is Closer to mirror, moving forward 0.01\" LZV =61 RZV = 49\r\n"))
        << h.outputs.Text1.toStdString();
}

TEST(TestRunSets, RewindAnnouncesAndDrivesBothAxesHome) {
    struct Case {
        int ypos;
        const char* message;
        int phase;
    };
    for (const Case c : {Case{120, "Rewinding 120 Steps to -1steps\r\n", 1},
                         Case{1, "Rewinding 1 Steps to -1steps\r\n", 1},
                         Case{0, "Rewinding 0 Steps to 1steps\r\n", 0},
                         Case{-5, "Rewinding -5 Steps to 1steps\r\n", -1}}) {
        TestRunHarness h;
        h.nullOnFirstFrame();
        h.placePlatform([&h, c](int, int zone) {
            if (zone == 2)
                h.rig.x = 4;
            return zone == 1 ? 10 : c.ypos;
        });
        ASSERT_TRUE(h.run->start());
        h.run->step();
        h.run->step();
        h.run->step();
        EXPECT_TRUE(h.outputs.Text1.startsWith(c.message)) << h.outputs.Text1.toStdString();
        EXPECT_TRUE(h.rig.platformSteps.isEmpty());
        h.run->step();
        EXPECT_EQ(h.rig.y, 0) << c.ypos;
        EXPECT_EQ(h.rig.x, 0) << c.ypos;
        EXPECT_EQ(h.rig.platformSteps, QList<int>(std::abs(c.ypos), c.phase)) << c.ypos;
        EXPECT_EQ(h.rig.knifeSteps, QList<int>(4, -1)) << c.ypos;
        EXPECT_EQ(h.rig.waits, QList<int>(std::abs(c.ypos) + 4, 2)) << c.ypos;
        EXPECT_TRUE(h.run->finished());
    }
}

TEST(TestRunSets, StatisticsOfTwoSetsInInches) {
    TestRunHarness h;
    statisticsExample(h);
    double deviationAtSave = -1;
    h.onSaveData = [&] { deviationAtSave = h.outputs.TestStdDeviation; };
    h.rig.frameNs = 25'400'000'000; // 25.4 s per frame
    ASSERT_TRUE(h.run->start());
    ASSERT_TRUE(h.runToEnd());

    EXPECT_EQ(h.readings.at(1, 0), 0.0);
    EXPECT_EQ(h.readings.at(1, 1), 0.0);
    EXPECT_EQ(h.readings.at(2, 0), 0.1);
    EXPECT_EQ(h.readings.at(2, 1), 0.3);
    EXPECT_NEAR(h.outputs.TestStdDeviation, 0.0707106781186548 * 25.4, 1e-12);
    EXPECT_EQ(deviationAtSave, h.outputs.TestStdDeviation);
    EXPECT_EQ(h.count("save data"), 1);
    // Four search frames, the origin's still frame and the final one: 6 x 25.4 s.
    EXPECT_EQ(h.outputs.Text2, "Standard Deviation for this test was: 0.07071\"\r\n"
                               "Elapsed Test Time, 2 Minutes 32 seconds\r\n"
                               "Zone 1\t0\t0\r\nZone 2\t0.1\t0.3\r\n\r\n");
    EXPECT_EQ(h.outputs.MotorStatus, "Test Complete! :)");
}

TEST(TestRunSets, StatisticsInMillimetresStayMillimetres) {
    TestRunHarness h;
    statisticsExample(h);
    h.settings.Metric = true;
    ASSERT_TRUE(h.run->start());
    ASSERT_TRUE(h.runToEnd());
    EXPECT_EQ(h.readings.at(2, 0), 2.54);
    EXPECT_EQ(h.readings.at(2, 1), 7.62);
    EXPECT_NEAR(h.outputs.TestStdDeviation, 1.79605122421383, 1e-9);
    EXPECT_TRUE(h.outputs.Text2.startsWith("Standard Deviation for this test was: 1.79605mm\r\n"));
}

TEST(TestRunSets, OneSetGivesTheFixedDeviationWithoutMessage) {
    TestRunHarness h;
    h.nullOnFirstFrame();
    h.settings.Reps = 0;
    h.outputs.TestStdDeviation = 3;
    h.placePlatform([](int, int zone) { return zone * 100; });
    ASSERT_TRUE(h.run->start());
    ASSERT_TRUE(h.runToEnd());
    EXPECT_EQ(h.outputs.TestStdDeviation, 0.01);
    EXPECT_FALSE(h.outputs.Text2.contains("Standard Deviation"));
    EXPECT_EQ(h.count("save data"), 1);
    EXPECT_EQ(h.readings.at(2, 0), 0.025);
    EXPECT_EQ(h.readings.at(2, 1), 0.0);
}

TEST(TestRunSets, RepsBeyondTheTableRunFourSets) {
    TestRunHarness h;
    h.nullOnFirstFrame();
    h.settings.Reps = 9;
    h.mirror.NZ = 1;
    ASSERT_TRUE(h.run->start());
    ASSERT_TRUE(h.runToEnd());
    EXPECT_EQ(h.rig.grabs, 4);
    EXPECT_EQ(h.sounds.started.size(), 4);
}

TEST(TestRunSets, ZonesWithoutFramesEndWithoutReadings) {
    TestRunHarness h;
    h.settings.autoTest.TFFinalFrames = 0;
    h.settings.Reps = 1;
    ASSERT_TRUE(h.run->start());
    ASSERT_TRUE(h.runToEnd(100));
    EXPECT_EQ(h.rig.grabs, 0);
    EXPECT_EQ(h.rig.stills, 1); // the final frame only
    EXPECT_EQ(h.sounds.started.size(), 4);
    EXPECT_EQ(h.outputs.TestStdDeviation, 0.0);
    EXPECT_EQ(h.count("save data"), 1);
}

TEST(TestRunSets, DebugLogAppendedPerSetAndAtTheEnd) {
    TestRunHarness h;
    statisticsExample(h);
    h.settings.DebugDisplay = true;
    const QString log = h.programFolder.file("Debug.txt");
    ASSERT_TRUE(appendTextFile(log, "earlier test\r\n"));
    ASSERT_TRUE(h.run->start());
    ASSERT_TRUE(h.runToEnd());
    const QString text = fileText(log);
    EXPECT_TRUE(text.startsWith("earlier test\r\nRewinding 800 Steps to -1steps\r\nFound Zone 2 @"))
        << text.toStdString();
    EXPECT_EQ(text.count("Rewinding"), 2);
    EXPECT_EQ(text.count("Now working on Zone 1"), 2);
    EXPECT_TRUE(text.contains("Rewinding 2400 Steps to -1steps\r\n"));
    // The end block: statistics and elapsed time in front, the table after them.
    EXPECT_TRUE(text.contains("Standard Deviation for this test was: 0.07071\"\r\n"
                              "Elapsed Test Time, "));
    EXPECT_TRUE(text.endsWith("Zone 2\t0.1\t0.3\r\n\r\n\r\n"));
    EXPECT_TRUE(h.outputs.Text1.isEmpty());
    EXPECT_TRUE(h.messages.shown.isEmpty());
}

TEST(TestRunSets, DebugLogOffOnlyClearsTheText) {
    TestRunHarness h;
    statisticsExample(h);
    ASSERT_TRUE(h.run->start());
    h.run->step();
    h.run->step();
    h.run->step();
    ASSERT_TRUE(h.outputs.Text1.startsWith("Rewinding"));
    h.run->step();
    EXPECT_TRUE(h.outputs.Text1.isEmpty());
    ASSERT_TRUE(h.runToEnd());
    EXPECT_FALSE(QFile::exists(h.programFolder.file("Debug.txt")));
}

TEST(TestRunSets, UnwritableDebugLogIsReportedOnce) {
    TestRunHarness h;
    statisticsExample(h);
    h.settings.DebugDisplay = true;
    ASSERT_TRUE(QDir(h.programFolder.path()).mkdir("Debug.txt")); // a folder in its way
    ASSERT_TRUE(h.run->start());
    ASSERT_TRUE(h.runToEnd());
    ASSERT_EQ(h.messages.shown.size(), 1);
    EXPECT_EQ(h.messages.shown[0].title, "Debug Log Problem");
    EXPECT_EQ(h.messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(h.messages.shown[0].text.contains("Debug.txt"));
    EXPECT_EQ(h.count("save data"), 1);
}

TEST(TestRunEnd, CompletedTestRestoresTheWindowAndPlaysTheEndCue) {
    TestRunHarness h;
    statisticsExample(h);
    ASSERT_TRUE(h.run->start());
    h.calls.clear();
    ASSERT_TRUE(h.runToEnd());
    EXPECT_EQ(h.calls, (QStringList{"Commands on", "Timer1 on", "uncheck track", "save data",
                                    "Picture3 shown", "relayout"}));
    EXPECT_TRUE(h.flags.Manual);
    EXPECT_EQ(h.rig.releases, 1);
    EXPECT_EQ(h.rig.timingRestarts, 2);
    EXPECT_EQ(h.rig.stills, 2);
    EXPECT_EQ(h.sounds.waited.size(), 1);
    EXPECT_TRUE(h.sounds.waited[0].endsWith("transpec.wav"));
    EXPECT_EQ(h.sounds.started.size(), 4);
    EXPECT_TRUE(h.sounds.started[3].endsWith("Z2.wav"));
    EXPECT_FALSE(h.run->running());
    h.run->step();
    EXPECT_EQ(h.rig.stills, 2);
}

TEST(TestRunEnd, AbortDuringTheSecondSetKeepsTheFirst) {
    TestRunHarness h;
    statisticsExample(h);
    h.mirror.NZ = 3;
    h.outputs.TestStdDeviation = 42;
    h.rig.afterMeasure = [&h] {
        if (h.run->currentSet() == 1 && h.run->currentZone() == 2)
            h.flags.abort = true;
    };
    ASSERT_TRUE(h.run->start());
    ASSERT_TRUE(h.runToEnd());
    EXPECT_EQ(h.readings.at(2, 0), 0.1);
    EXPECT_EQ(h.readings.at(2, 1), 0.3); // nulled in the very frame that saw the abort
    EXPECT_EQ(h.readings.at(3, 1), 0.0);
    EXPECT_EQ(h.rig.grabs, 5);
    EXPECT_EQ(h.outputs.MotorStatus, "Test Aborted!");
    EXPECT_EQ(h.rig.y, 2400); // no rewind
    EXPECT_EQ(h.rig.releases, 1);
    EXPECT_EQ(h.count("save data"), 0);
    EXPECT_EQ(h.count("close"), 0);
    EXPECT_EQ(h.outputs.TestStdDeviation, 42);
    EXPECT_TRUE(h.sounds.waited.isEmpty());
    EXPECT_TRUE(h.outputs.Text2.startsWith("Elapsed Test Time, "));
    EXPECT_TRUE(h.flags.Manual);
    EXPECT_EQ(h.count("Commands on"), 1);
}

TEST(TestRunEnd, ClosingTheWindowEndsTheTestWithoutSaving) {
    TestRunHarness h;
    statisticsExample(h);
    h.rig.afterMeasure = [&h] { h.flags.ExitRequested = true; };
    ASSERT_TRUE(h.run->start());
    h.run->step();
    EXPECT_TRUE(h.run->finished());
    EXPECT_EQ(h.outputs.MotorStatus, "Test Complete! :)");
    EXPECT_EQ(h.count("close"), 1);
    EXPECT_EQ(h.count("save data"), 0);
    EXPECT_EQ(h.sounds.waited.size(), 1); // only the abort box silences the end cue
    EXPECT_FALSE(h.outputs.Text2.contains("Standard Deviation"));
}

TEST(TestRunEnd, ElapsedTimeLeadsBothTexts) {
    TestRunHarness h;
    h.nullOnFirstFrame();
    h.settings.DebugDisplay = true;
    h.mirror.NZ = 1;
    h.rig.frameNs = 61'500'000'000; // a grab and two stills: 184.5 s, to even 184
    ASSERT_TRUE(h.run->start());
    ASSERT_TRUE(h.runToEnd());
    const QRegularExpression expected(
        "^Rewinding 0 Steps to 1steps\r\n"
        "Found Zone 1 @ \\d\\d:\\d\\d:\\d\\d LZV =50 RZV = 50\r\n"
        "Now working on Zone 1\r\n\r\n"
        "Elapsed Test Time, 3 Minutes 4 seconds\r\n"
        "Elapsed Test Time, 3 Minutes 4 seconds\r\nZone 1\t0\r\n\r\n\r\n$");
    const QString log = fileText(h.programFolder.file("Debug.txt"));
    EXPECT_TRUE(expected.match(log).hasMatch()) << log.toStdString();
    EXPECT_EQ(h.outputs.Text2, "Elapsed Test Time, 3 Minutes 4 seconds\r\nZone 1\t0\r\n\r\n");
}

TEST(TestRunEnd, NestedStepDoesNothing) {
    TestRunHarness h;
    h.settings.autoTest.TFFinalFrames = 30;
    h.rig.afterMeasure = [&h] { h.run->step(); };
    ASSERT_TRUE(h.run->start());
    h.run->step();
    h.run->step();
    EXPECT_EQ(h.rig.grabs, 2);
    EXPECT_EQ(h.run->search().frame(), 3);
}

TEST(TestRunEnd, ASecondTestStartsFromCleanReadings) {
    TestRunHarness h;
    statisticsExample(h);
    ASSERT_TRUE(h.run->start());
    ASSERT_TRUE(h.runToEnd());
    h.settings.Reps = 0;
    h.placePlatform([](int, int zone) { return zone == 1 ? 5 : 16; });
    ASSERT_TRUE(h.run->start());
    ASSERT_TRUE(h.runToEnd());
    EXPECT_EQ(h.readings.at(2, 0), 0.002);
    EXPECT_EQ(h.readings.at(2, 1), 0.0);
    EXPECT_EQ(h.count("save data"), 2);
}

TEST(TestRunPictures, SavedPerNullInTheTestsImageFolder) {
    TestRunHarness h;
    h.nullOnFirstFrame();
    h.settings.SavePicture = 1;
    h.settings.Reps = 1;
    ASSERT_TRUE(QDir(h.dataFolder.path()).mkpath("Mirror/images")); // any letter case is reused
    ASSERT_TRUE(h.run->start());
    ASSERT_TRUE(h.runToEnd());
    const QString folder = QDir(h.dataFolder.path()).filePath("Mirror/images/Test7");
    EXPECT_TRUE(QDir(folder).exists());
    ASSERT_EQ(h.rig.pictures.size(), 8);
    EXPECT_EQ(h.rig.pictures[0], folder + "/Zone1rep0.bmp");
    EXPECT_EQ(h.rig.pictures[1], folder + "/Raw_Zone1rep0.bmp");
    EXPECT_EQ(h.rig.pictures[6], folder + "/Zone2rep1.bmp");
    EXPECT_EQ(h.rig.pictures[7], folder + "/Raw_Zone2rep1.bmp");
}

TEST(TestRunPictures, NotSavedWhenOffOrWithoutADataFolder) {
    for (const bool noFolder : {false, true}) {
        TestRunHarness h;
        h.nullOnFirstFrame();
        h.settings.SavePicture = noFolder ? 1 : 0;
        if (noFolder)
            h.settings.textpath.clear();
        ASSERT_TRUE(h.run->start());
        ASSERT_TRUE(h.runToEnd());
        EXPECT_TRUE(h.rig.pictures.isEmpty());
        EXPECT_TRUE(QDir(h.dataFolder.path()).isEmpty());
        EXPECT_EQ(h.count("save data"), 1);
    }
}
