#include "results/SixtestsExport.h"
#include "ResultsBench.h"
#include "results/SendKeys.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {
void twoInchZones(testkit::ResultsBench& bench) {
    bench.mirror.NZ = 2;
    bench.mirror.Obst = 1.5;
    bench.zones.centerFrac[1] = 0.5;
    bench.zones.centerFrac[2] = 1.0;
    bench.readings.at(1, 0) = 0.1;
    bench.readings.at(2, 0) = 0.0123;
}

QString setFile(const testkit::ResultsBench& bench) {
    return bench.dataFile("SixTests", "Test3.set");
}
} // namespace

TEST(SixtestsExport, InchDataIsWrittenInMillimetresAndKeptInInches) {
    testkit::ResultsBench bench;
    twoInchZones(bench);
    const ZoneReadings before = bench.readings;
    ASSERT_TRUE(exportSixtests(bench.context()));
    EXPECT_EQ(bench.bytes(setFile(bench)), "Newt6 Test Number 3\r\n"
                                           "152.4   38.1   Mirror, obstruction diameters (mm)\r\n"
                                           "Foucault\r\n"
                                           "0.0     Source distance (0=moving source)\r\n"
                                           "y, MM   X, mm\r\n"
                                           "38.1 2.54\r\n"
                                           "76.2 0.312\r\n"
                                           "*\r\n"
                                           "-1 1219.2    Conic targets:  b, R (mm)\r\n"
                                           "0.0125 Measurement std deviation, mm\r\n"
                                           "1219.2 Longitudinal reading bias, mm\r\n"
                                           "\r\n");
    EXPECT_EQ(bench.mirror.MirDiam, 6);
    EXPECT_EQ(bench.mirror.Roc, 48);
    EXPECT_EQ(bench.mirror.Obst, 1.5);
    EXPECT_EQ(bench.readings.at(1, 0), before.at(1, 0));
    EXPECT_EQ(bench.readings.at(2, 0), before.at(2, 0));
    EXPECT_TRUE(bench.boxes.shown.isEmpty());
    EXPECT_TRUE(bench.log.events.isEmpty());
}

TEST(SixtestsExport, AFixedSourceGivesTheUnroundedRadiusOnLineFour) {
    testkit::ResultsBench bench;
    twoInchZones(bench);
    bench.mirror.Roc = 48.123; // 1222.3242 mm
    bench.mirror.CC = -1.23456;
    bench.settings.menus.fixedSource = true;
    ASSERT_TRUE(exportSixtests(bench.context()));
    const QStringList lines = bench.lines(setFile(bench));
    EXPECT_EQ(lines[3], "1222.3242     Source distance (0=moving source)");
    EXPECT_EQ(lines[8], "-1.235 1222.324    Conic targets:  b, R (mm)");
    EXPECT_EQ(lines[10], "1222.3 Longitudinal reading bias, mm");
}

TEST(SixtestsExport, ThreeSetsGiveTheRoundedMeanOfEachZone) {
    testkit::ResultsBench bench;
    twoInchZones(bench);
    bench.settings.Metric = true;
    bench.settings.Reps = 2;
    const double zone1[] = {1, 2, 4};                // mean 2.3333...
    const double zone2[] = {0.0015, 0.0025, 0.0035}; // mean 0.0025, a half: to even
    for (int set = 0; set < 3; ++set) {
        bench.readings.at(1, set) = zone1[set];
        bench.readings.at(2, set) = zone2[set];
    }
    bench.readings.at(1, 3) = 100; // a fourth set that was not run
    ASSERT_TRUE(exportSixtests(bench.context()));
    const QStringList lines = bench.lines(setFile(bench));
    EXPECT_EQ(lines[1], "6   1.5   Mirror, obstruction diameters (mm)");
    EXPECT_EQ(lines[5], "1.5 2.333");
    EXPECT_EQ(lines[6], "3 0.002");
}

TEST(SixtestsExport, CopiesSixtestsOnlyTheFirstTime) {
    testkit::ResultsBench bench;
    twoInchZones(bench);
    bench.settings.Sixtestspath = bench.root.path() + "/sixtests";
    ensureFolder(bench.settings.Sixtestspath);
    const QString source = joinPath(bench.settings.Sixtestspath, {"SIXTESTS.EXE"});
    writeTextFile(source, "first");
    ASSERT_TRUE(exportSixtests(bench.context()));
    const QString copy = bench.dataFile("SixTests", "sixtests.exe");
    EXPECT_EQ(bench.bytes(copy), "first");

    writeTextFile(source, "second");
    bench.mirror.WorkNum = 4;
    ASSERT_TRUE(exportSixtests(bench.context()));
    EXPECT_EQ(bench.bytes(copy), "first");
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("SixTests", "Test4.set")));
}

TEST(SixtestsExport, AMissingSixtestsProgramIsNoFailure) {
    testkit::ResultsBench bench;
    twoInchZones(bench);
    bench.settings.Sixtestspath.clear();
    EXPECT_TRUE(exportSixtests(bench.context()));
    EXPECT_TRUE(QFileInfo::exists(setFile(bench)));
    EXPECT_FALSE(QFileInfo::exists(bench.dataFile("SixTests", "sixtests.exe")));
}

TEST(SixtestsExport, DrivesSixtestsByKeysWithItsPausesInOrder) {
    testkit::ResultsBench bench;
    twoInchZones(bench);
    bench.settings.textpath = bench.root.path() + "/data (v+1)";
    bench.settings.LaunchSixtests = true;
    bench.settings.Launch3d = true;
    ASSERT_TRUE(exportSixtests(bench.context()));

    const QString folder = joinPath(bench.settings.textpath, {"Newt6", "SixTests"});
    const QString typedSet = sendKeysLiteral(joinPath(folder, {"Test3.set"}));
    const QString typedSurface = sendKeysLiteral(joinPath(folder, {"test3.3d"}));
    EXPECT_TRUE(typedSet.contains("data {(}v{+}1{)}"));
    const QString viewer = joinPath(bench.programFolder, {"3dmirror.exe"});
    EXPECT_EQ(bench.log.events,
              QStringList({"0 ms: start " + joinPath(folder, {"sixtests.exe"}) + " in " + folder,
                           "200 ms: keys+wait %fo", "200 ms: keys+wait " + typedSet + "{enter}",
                           "200 ms: keys {enter}", "300 ms: keys+wait %ff",
                           "400 ms: keys+wait " + typedSurface + "{enter}",
                           "400 ms: start " + viewer + " in " + bench.programFolder,
                           "400 ms: keys+wait " + typedSurface + "{enter}"}));
    ASSERT_EQ(bench.boxes.shown.size(), 1);
    EXPECT_EQ(bench.boxes.shown[0].title, "Launch 3D Mirror?");
    EXPECT_EQ(bench.boxes.shown[0].text, "Press OK to Launch 3d Mirror!");
    EXPECT_EQ(bench.boxes.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_GT(bench.pump.count(), 0); // the pauses let events run
}

TEST(SixtestsExport, TheViewerIsOfferedWithoutDrivingSixtestsAndMayBeDeclined) {
    testkit::ResultsBench bench;
    twoInchZones(bench);
    bench.settings.Launch3d = true;
    bench.boxes.answers = {MessageAnswer::Cancel};
    EXPECT_TRUE(exportSixtests(bench.context()));
    EXPECT_TRUE(bench.log.events.isEmpty());

    bench.boxes.answers = {MessageAnswer::Ok};
    EXPECT_TRUE(exportSixtests(bench.context()));
    ASSERT_EQ(bench.log.events.size(), 2);
    EXPECT_TRUE(bench.log.events[0].startsWith("0 ms: start "));
    EXPECT_TRUE(bench.log.events[0].contains("3dmirror.exe"));
}

TEST(SixtestsExport, AFailedLaunchOrKeystrokeStopsTheExportWithItsMessage) {
    testkit::ResultsBench bench;
    twoInchZones(bench);
    bench.settings.LaunchSixtests = true;
    bench.settings.Launch3d = true;
    bench.keys.failAt = 2;
    EXPECT_FALSE(exportSixtests(bench.context()));
    EXPECT_EQ(bench.log.events.size(), 3); // start, "%fo", the failed path
    ASSERT_EQ(bench.boxes.shown.size(), 1);
    const Message& shown = bench.boxes.shown[0];
    EXPECT_EQ(shown.title, "SHIT SHIT SHIT");
    EXPECT_EQ(shown.text,
              "Problem Saving Sixtests File as:\r\n" + bench.dataFile("SixTests", "test3.set"));
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    EXPECT_EQ(bench.mirror.MirDiam, 6);

    bench.log.events.clear();
    bench.boxes.shown.clear();
    bench.keys.failAt = 0;
    bench.launcher.succeed = false;
    EXPECT_FALSE(exportSixtests(bench.context()));
    EXPECT_EQ(bench.log.events.size(), 1);
    EXPECT_EQ(bench.boxes.titles(), QStringList({"SHIT SHIT SHIT"}));
}

TEST(SixtestsExport, AnUnwritableSetFileOrNoDataFolderIsReported) {
    testkit::ResultsBench bench;
    twoInchZones(bench);
    ASSERT_TRUE(ensureFolder(setFile(bench)));
    bench.settings.LaunchSixtests = true;
    EXPECT_FALSE(exportSixtests(bench.context()));
    EXPECT_TRUE(bench.log.events.isEmpty());

    bench.settings.textpath.clear();
    EXPECT_FALSE(exportSixtests(bench.context()));
    ASSERT_EQ(bench.boxes.shown.size(), 2);
    const QString sep = QDir::separator();
    EXPECT_EQ(bench.boxes.shown[1].text, "Problem Saving Sixtests File as:\r\n" + sep + "Newt6" +
                                             sep + "SixTests" + sep + "test3.set");
}
