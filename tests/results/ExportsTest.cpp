// The three files Save Data writes, byte for byte, and their refusals.
#include "ResultsBench.h"
#include "results/FigureExport.h"
#include "results/SendKeys.h"
#include "results/SixtestsExport.h"
#include "results/TextReport.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {
const QString Sep = QDir::separator();

// Five zones with every set filled: reading zone * 0.01 + set * 0.001.
void fiveZones(ResultsBench& bench) {
    const double fracs[] = {std::sqrt(3.0) / 3, 0.5, 0.7, 0.8, 1.0};
    for (int zone = 1; zone <= 5; ++zone) {
        bench.zones.centerFrac[zone] = fracs[zone - 1];
        for (int set = 0; set < 4; ++set)
            bench.readings.at(zone, set) = zone * 0.01 + set * 0.001;
    }
    bench.settings.FigurePath = bench.root.path() + "/figure45";
}

QString figure(ResultsBench& bench) {
    return QString::fromUtf8(bench.bytes(bench.dataFile("Figure", "Test3.fig")));
}
} // namespace

TEST(TextReport, OneSetInInchesOrFourSetsInMillimetres) {
    ResultsBench bench;
    bench.mirror.NZ = 3;
    bench.zones.centerFrac[1] = 0.2357022; // 3 * 0.2357022 = 0.7071066
    bench.zones.centerFrac[3] = 0.66666666;
    bench.readings.at(2, 0) = 0.0125;
    bench.readings.at(3, 0) = -0.003;
    bench.readings.at(3, 1) = 9; // not part of a one-set report
    EXPECT_EQ(textReportText(bench.settings, bench.mirror, bench.zones, bench.readings),
              "Mirror Diameter = 6 ROC = 48 Conic Constant = -1 Units are in Inches Moving Source "
              "Tester\r\n Zone 1 radius = 0.7071\t Reading = 0\r\n"
              " Zone 2 radius = 0.3\t Reading = 0.0125\r\n"
              " Zone 3 radius = 2\t Reading = -0.003\r\n\r\n");
    bench.mirror = {"Newt6", 152.4, 0, 1219.2, -1, 1, 3};
    bench.settings.Metric = bench.settings.menus.fixedSource = true;
    bench.settings.Reps = 3;
    for (int set = 0; set < 4; ++set)
        bench.readings.at(1, set) = set * 0.5;
    EXPECT_EQ(textReportText(bench.settings, bench.mirror, bench.zones, bench.readings),
              "Mirror Diameter = 152.4 ROC = 1219.2 Conic Constant = -1 Units are in Millimeters "
              "Fixed Source Tester\r\n Zone 1 radius = 17.9605\t Readings = 0 \t0.5 \t1 \t1.5\r\n"
              "\r\n");
    bench.settings.Reps = 4; // more sets than the table holds: no zone lines
    EXPECT_FALSE(
        textReportText(bench.settings, bench.mirror, bench.zones, bench.readings).contains("Zone"));
}

TEST(TextReport, WritesOverAnEarlierFileInFoldersOfAnyCaseOrSaysWhereItFailed) {
    ResultsBench bench;
    const QString existing = joinPath(bench.settings.textpath, {"newt6", "textdata", "test3.txt"});
    ASSERT_TRUE(ensureFolder(QFileInfo(existing).path()));
    ASSERT_TRUE(writeTextFile(existing, "an earlier report, longer than this one\r\n"));
    ASSERT_TRUE(writeTextReport(bench.context()));
    EXPECT_EQ(bench.bytes(existing),
              textReportText(bench.settings, bench.mirror, bench.zones, bench.readings).toUtf8());
    EXPECT_EQ(QDir(bench.settings.textpath).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList({"newt6"}));
    ASSERT_TRUE(QFile::remove(existing) && ensureFolder(existing)); // a folder in the file's way
    EXPECT_FALSE(writeTextReport(bench.context()));
    const QString named = bench.dataFile("TextData", "Test3.txt");
    bench.settings.textpath.clear();
    EXPECT_FALSE(writeTextReport(bench.context()));
    EXPECT_EQ(bench.boxes.texts(), QStringList({"Problem saving Text File to " + named,
                                                "Problem saving Text File to " + Sep + "Newt6" +
                                                    Sep + "TextData" + Sep + "Test3.txt"}));
    EXPECT_EQ(bench.boxes.titles(), QStringList(2, "Save Text Problem"));
    EXPECT_EQ(bench.boxes.shown[0].icon, MessageIcon::Critical);
}

TEST(FigureExport, LinesForOneSetAndTheReadingBlockOfMoreSets) {
    ResultsBench bench;
    fiveZones(bench);
    ASSERT_TRUE(exportFigure(bench.context()));
    const QString zoneLines = "1.732050 0.000000 0.01\r\n1.5 0.000000 0.02\r\n2.1 0.000000 0.03\r\n"
                              "2.4 0.000000 0.04\r\n3 0.000000 0.05\r\n";
    const QString filler = QString("0.000000 0.000000 0.000000\r\n").repeated(10);
    EXPECT_EQ(figure(bench), "5 1 1\r\n48 6 -1\r\n" + zoneLines + filler + "0 1\r\n\r\n");
    EXPECT_TRUE(bench.boxes.shown.isEmpty() && bench.events.isEmpty());

    // Sets 1, 2 and 3 of every zone whatever the number of sets, the block filled to 45 lines.
    bench.settings.Reps = 1;
    bench.settings.menus.fixedSource = true;
    ASSERT_TRUE(exportFigure(bench.context()));
    QString block;
    for (int zone = 1; zone <= 5; ++zone) {
        for (int set = 1; set <= 3; ++set)
            block += QStringLiteral("0.0%1%2\r\n").arg(zone).arg(set);
    }
    EXPECT_EQ(figure(bench), "5 1 0\r\n48 6 -1\r\n" + zoneLines + filler + "0 2\r\n" + block +
                                 QString("0\r\n").repeated(30) + "\r\n");
}

TEST(FigureExport, MetricDataIsWrittenInInchesAndKeptInMillimetresEvenWhenWritingFails) {
    for (const bool blocked : {false, true}) {
        ResultsBench bench;
        fiveZones(bench);
        bench.settings.Metric = true;
        bench.mirror = {"Newt6", 152.4, 25.4, 1219.2, -1, 5, 3};
        bench.readings.at(1, 0) = 2.54;
        bench.readings.at(2, 0) = -0.254;
        if (blocked)
            ASSERT_TRUE(ensureFolder(bench.dataFile("Figure", "Test3.fig")));
        EXPECT_EQ(exportFigure(bench.context()), !blocked);
        const QStringList lines = figure(bench).split("\r\n");
        if (!blocked)
            EXPECT_EQ(lines.mid(1, 3),
                      QStringList({"48 6 -1", "1.732050 0.000000 0.1", "1.5 0.000000 -0.01"}));
        EXPECT_EQ(QList<double>({bench.mirror.MirDiam, bench.mirror.Obst, bench.mirror.Roc,
                                 bench.readings.at(1, 0), bench.readings.at(2, 0)}),
                  QList<double>({152.4, 25.4, 1219.2, 2.54, -0.254}));
        EXPECT_EQ(bench.boxes.texts(), blocked ? QStringList{"Problem saving Figure File as " +
                                                             bench.dataFile("Figure", "Test3.fig")}
                                               : QStringList());
    }
}

TEST(FigureExport, CopiesTheProgramEveryTimeAndStartsItWhenAsked) {
    ResultsBench bench;
    fiveZones(bench);
    bench.settings.LaunchFigure = true;
    ensureFolder(bench.settings.FigurePath);
    for (const QString name : {"figure45.exe", "Egavga.bgi", "BESSEL.DAT"})
        writeTextFile(joinPath(bench.settings.FigurePath, {name}), name + " v1");
    ASSERT_TRUE(exportFigure(bench.context()));
    writeTextFile(joinPath(bench.settings.FigurePath, {"figure45.exe"}), "figure45.exe v2");
    bench.launches = false;
    EXPECT_FALSE(exportFigure(bench.context()));
    EXPECT_EQ(bench.bytes(bench.dataFile("Figure", "figure45.exe")), "figure45.exe v2");
    EXPECT_EQ(bench.bytes(bench.dataFile("Figure", "Egavga.bgi")), "Egavga.bgi v1");
    EXPECT_EQ(bench.bytes(bench.dataFile("Figure", "Bessel.dat")), "BESSEL.DAT v1");
    const QString folder = joinPath(bench.settings.textpath, {"Newt6", "Figure"});
    EXPECT_EQ(bench.events, QStringList(2, "0 ms: start " + joinPath(folder, {"figure45.exe"}) +
                                               " in " + folder));
    ASSERT_EQ(bench.boxes.shown.size(), 1); // the failed start
    EXPECT_EQ(bench.boxes.shown[0].title, "ORVANE");
    EXPECT_EQ(bench.boxes.shown[0].icon, MessageIcon::None);
}

TEST(FigureExport, AnEmptyFigureOrDataFolderIsRefusedWithoutCreatingAnyFolder) {
    ResultsBench bench;
    fiveZones(bench);
    bench.settings.FigurePath.clear();
    EXPECT_FALSE(exportFigure(bench.context()));
    EXPECT_FALSE(QFileInfo::exists(bench.settings.textpath));
    bench.settings.FigurePath = bench.root.path();
    bench.settings.textpath.clear();
    EXPECT_FALSE(exportFigure(bench.context()));
    EXPECT_FALSE(QFileInfo::exists("Newt6"));
    const QString file = Sep + "Newt6" + Sep + "Figure" + Sep + "Test3.fig";
    EXPECT_EQ(bench.boxes.texts(),
              QStringList({"Problem saving Figure File as " + bench.root.path() + "/data" + file,
                           "Problem saving Figure File as " + file}));
    EXPECT_EQ(bench.boxes.shown[0].buttons, MessageButtons::Ok);
}

namespace {
void twoInchZones(ResultsBench& bench) {
    bench.mirror.NZ = 2;
    bench.mirror.Obst = 1.5;
    bench.zones.centerFrac[1] = 0.5;
    bench.zones.centerFrac[2] = 1.0;
    bench.readings.at(1, 0) = 0.1;
    bench.readings.at(2, 0) = 0.0123;
}
} // namespace

TEST(SixtestsExport, InchDataIsWrittenInMillimetresAndKeptInInches) {
    ResultsBench bench;
    twoInchZones(bench);
    ASSERT_TRUE(exportSixtests(bench.context()));
    EXPECT_EQ(bench.bytes(bench.dataFile("SixTests", "Test3.set")),
              "Newt6 Test Number 3\r\n152.4   38.1   Mirror, obstruction diameters (mm)\r\n"
              "Foucault\r\n0.0     Source distance (0=moving source)\r\ny, MM   X, mm\r\n"
              "38.1 2.54\r\n76.2 0.312\r\n*\r\n-1 1219.2    Conic targets:  b, R (mm)\r\n"
              "0.0125 Measurement std deviation, mm\r\n1219.2 Longitudinal reading bias, mm\r\n"
              "\r\n");
    EXPECT_EQ(QList<double>({bench.mirror.MirDiam, bench.mirror.Roc, bench.mirror.Obst,
                             bench.readings.at(1, 0), bench.readings.at(2, 0)}),
              QList<double>({6, 48, 1.5, 0.1, 0.0123}));
    EXPECT_TRUE(bench.boxes.shown.isEmpty());
    EXPECT_TRUE(bench.events.isEmpty());
}

TEST(SixtestsExport, FixedSourceAndTheRoundedMeanOfThreeSets) {
    ResultsBench bench;
    twoInchZones(bench);
    bench.mirror.Roc = 48.123; // 1222.3242 mm
    bench.mirror.CC = -1.23456;
    bench.settings.menus.fixedSource = true;
    const QString file = bench.dataFile("SixTests", "Test3.set");
    ASSERT_TRUE(exportSixtests(bench.context()));
    QStringList lines = QString::fromUtf8(bench.bytes(file)).split("\r\n");
    EXPECT_EQ(lines[3], "1222.3242     Source distance (0=moving source)");
    EXPECT_EQ(lines[8], "-1.235 1222.324    Conic targets:  b, R (mm)");
    EXPECT_EQ(lines[10], "1222.3 Longitudinal reading bias, mm");

    bench.settings.Metric = true;
    bench.settings.Reps = 2;
    const double zone2[] = {0.0015, 0.0025, 0.0035, 100}; // mean 0.0025, a half: to even
    for (int set = 0; set < 4; ++set)
        bench.readings.at(2, set) = zone2[set];
    bench.readings.at(1, 1) = 0.2; // zone 1: mean 0.1
    ASSERT_TRUE(exportSixtests(bench.context()));
    lines = QString::fromUtf8(bench.bytes(file)).split("\r\n");
    EXPECT_EQ(lines.mid(5, 2), QStringList({"1.5 0.1", "3 0.002"}));
    EXPECT_EQ(lines[1], "6   1.5   Mirror, obstruction diameters (mm)");
}

TEST(SixtestsExport, CopiesSixtestsOnlyTheFirstTimeAndNeedsItNot) {
    ResultsBench bench;
    twoInchZones(bench);
    EXPECT_TRUE(exportSixtests(bench.context())); // no sixtests.exe anywhere: no failure
    bench.settings.Sixtestspath = bench.root.path() + "/sixtests";
    ensureFolder(bench.settings.Sixtestspath);
    const QString source = joinPath(bench.settings.Sixtestspath, {"SIXTESTS.EXE"});
    writeTextFile(source, "first");
    ASSERT_TRUE(exportSixtests(bench.context()));
    writeTextFile(source, "second");
    bench.mirror.WorkNum = 4;
    ASSERT_TRUE(exportSixtests(bench.context()));
    EXPECT_EQ(bench.bytes(bench.dataFile("SixTests", "sixtests.exe")), "first");
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("SixTests", "Test4.set")));
}

TEST(SixtestsExport, DrivesSixtestsByKeysWithItsPausesInOrderThenOffersTheViewer) {
    ResultsBench bench;
    twoInchZones(bench);
    bench.settings.textpath = bench.root.path() + "/data (v+1)";
    bench.settings.LaunchSixtests = bench.settings.Launch3d = true;
    ASSERT_TRUE(exportSixtests(bench.context()));
    const QString folder = joinPath(bench.settings.textpath, {"Newt6", "SixTests"});
    const QString typedSet = sendKeysLiteral(joinPath(folder, {"Test3.set"}));
    const QString typedSurface = sendKeysLiteral(joinPath(folder, {"test3.3d"}));
    EXPECT_TRUE(typedSet.contains("data {(}v{+}1{)}"));
    const QString viewer = joinPath(bench.programFolder, {"3dmirror.exe"});
    EXPECT_EQ(bench.events,
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

    // Without sixtests the viewer is still offered, and may be declined.
    bench.settings.LaunchSixtests = false;
    bench.events.clear();
    bench.boxes.answers = {MessageAnswer::Cancel};
    EXPECT_TRUE(exportSixtests(bench.context()));
    EXPECT_TRUE(bench.events.isEmpty());
}

TEST(SixtestsExport, AFailedStartKeystrokeOrWriteStopsTheExportWithItsMessage) {
    ResultsBench bench;
    twoInchZones(bench);
    bench.settings.LaunchSixtests = bench.settings.Launch3d = true;
    bench.failAt = 2;
    EXPECT_FALSE(exportSixtests(bench.context()));
    EXPECT_EQ(bench.events.size(), 3); // start, "%fo", the failed path
    bench.failAt = 0;
    bench.launches = false;
    EXPECT_FALSE(exportSixtests(bench.context()));
    EXPECT_EQ(bench.events.size(), 4);
    const QString setFile = bench.dataFile("SixTests", "Test3.set");
    ASSERT_TRUE(QFile::remove(setFile) && ensureFolder(setFile)); // a folder in the file's way
    EXPECT_FALSE(exportSixtests(bench.context()));
    EXPECT_EQ(bench.events.size(), 4);
    bench.settings.textpath.clear();
    EXPECT_FALSE(exportSixtests(bench.context()));
    const QString message = "Problem Saving Sixtests File as:\r\n" + bench.root.path() + "/data" +
                            Sep + "Newt6" + Sep + "SixTests" + Sep + "test3.set";
    EXPECT_EQ(bench.boxes.texts(),
              QStringList({message, message, message,
                           "Problem Saving Sixtests File as:\r\n" + Sep + "Newt6" + Sep +
                               "SixTests" + Sep + "test3.set"}));
    EXPECT_EQ(bench.boxes.titles(), QStringList(4, "SHIT SHIT SHIT"));
    EXPECT_EQ(bench.boxes.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(bench.mirror.MirDiam, 6);
}
