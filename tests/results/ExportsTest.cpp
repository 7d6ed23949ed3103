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
              " Zone 2 radius = 0\t Reading = 0.0125\r\n"
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
}

TEST(TextReport, WritesOverAnEarlierFileInFoldersOfAnyCaseAndNeedsADataFolder) {
    ResultsBench bench;
    const QString existing = joinPath(bench.settings.textpath, {"newt6", "textdata", "test3.txt"});
    ASSERT_TRUE(ensureFolder(QFileInfo(existing).path()));
    ASSERT_TRUE(writeTextFile(existing, "an earlier report, longer than this one\r\n"));
    ASSERT_TRUE(writeTextReport(bench.context()).ok());
    EXPECT_EQ(bench.bytes(existing),
              textReportText(bench.settings, bench.mirror, bench.zones, bench.readings).toUtf8());
    bench.settings.textpath.clear();
    EXPECT_FALSE(writeTextReport(bench.context()).ok());
    EXPECT_EQ(bench.boxes.texts(), QStringList{"Problem saving Text File to " + Sep + "Newt6" +
                                               Sep + "TextData" + Sep + "Test3.txt"});
    EXPECT_EQ(bench.boxes.titles(), QStringList{"Save Text Problem"});
}

TEST(FigureExport, LinesForOneSetAndTheReadingBlockOfMoreSets) {
    ResultsBench bench;
    fiveZones(bench);
    ASSERT_TRUE(exportFigure(bench.context()).ok());
    const QString zoneLines = "1.732050 0.000000 0.01\r\n1.5 0.000000 0.02\r\n2.1 0.000000 0.03\r\n"
                              "2.4 0.000000 0.04\r\n3 0.000000 0.05\r\n";
    const QString filler = QString("0.000000 0.000000 0.000000\r\n").repeated(10);
    EXPECT_EQ(figure(bench), "5 1 1\r\n48 6 -1\r\n" + zoneLines + filler + "0 1\r\n\r\n");
    EXPECT_TRUE(bench.boxes.shown.isEmpty() && bench.events.isEmpty());

    // Sets 1, 2 and 3 of every zone whatever the number of sets, the block filled to 45 lines.
    bench.settings.Reps = 1;
    bench.settings.menus.fixedSource = true;
    ASSERT_TRUE(exportFigure(bench.context()).ok());
    const QString block = QString("0.011 0.012 0.013 0.021 0.022 0.023 0.031 0.032 0.033 0.041 "
                                  "0.042 0.043 0.051 0.052 0.053 ")
                              .replace(' ', "\r\n");
    EXPECT_EQ(figure(bench), "5 1 0\r\n48 6 -1\r\n" + zoneLines + filler + "0 2\r\n" + block +
                                 QString("0\r\n").repeated(30) + "\r\n");
}

TEST(FigureExport, MetricDataIsWrittenInInchesAndKeptInMillimetresEvenWhenWritingFails) {
    ResultsBench bench;
    fiveZones(bench);
    bench.settings.Metric = true;
    bench.mirror = {"Newt6", 152.4, 25.4, 1219.2, -1, 5, 3};
    bench.readings.at(1, 0) = 2.54;
    bench.readings.at(2, 0) = -0.254;
    const QString file = bench.dataFile("Figure", "Test3.fig");
    for (const bool blocked : {false, true}) {
        if (blocked) { // a folder in the file's way
            ASSERT_TRUE(QFile::remove(file) && ensureFolder(file));
        }
        EXPECT_EQ(exportFigure(bench.context()).ok(), !blocked);
        if (!blocked) {
            EXPECT_EQ(figure(bench).split("\r\n").mid(1, 3),
                      QStringList({"48 6 -1", "1.732050 0.000000 0.1", "1.5 0.000000 -0.01"}));
        }
        EXPECT_EQ(QList<double>({bench.mirror.MirDiam, bench.mirror.Obst, bench.mirror.Roc,
                                 bench.readings.at(2, 0)}),
                  QList<double>({152.4, 25.4, 1219.2, -0.254}));
    }
    EXPECT_EQ(bench.boxes.texts(), QStringList{"Problem saving Figure File as " + file});
}

TEST(FigureExport, CopiesTheProgramEveryTimeStartsItWhenAskedAndNeedsItsFolder) {
    ResultsBench bench;
    fiveZones(bench);
    bench.settings.LaunchFigure = true;
    ensureFolder(bench.settings.FigurePath);
    for (const QString name : {"figure45.exe", "Egavga.bgi", "BESSEL.DAT"})
        writeTextFile(joinPath(bench.settings.FigurePath, {name}), name + " v1");
    ASSERT_TRUE(exportFigure(bench.context()).ok());
    writeTextFile(joinPath(bench.settings.FigurePath, {"figure45.exe"}), "figure45.exe v2");
    bench.launches = false;
    EXPECT_FALSE(exportFigure(bench.context()).ok());
    EXPECT_EQ(bench.bytes(bench.dataFile("Figure", "figure45.exe")) + "|" +
                  bench.bytes(bench.dataFile("Figure", "Egavga.bgi")) + "|" +
                  bench.bytes(bench.dataFile("Figure", "Bessel.dat")),
              "figure45.exe v2|Egavga.bgi v1|BESSEL.DAT v1");
    const QString folder = joinPath(bench.settings.textpath, {"Newt6", "Figure"});
    EXPECT_EQ(bench.events, QStringList(2, "0 ms: start " + joinPath(folder, {"figure45.exe"}) +
                                               " in " + folder));
    // Without a figure folder nothing is written and no folder is made.
    bench.settings.FigurePath.clear();
    QDir(bench.settings.textpath).removeRecursively();
    EXPECT_FALSE(exportFigure(bench.context()).ok());
    EXPECT_FALSE(QFileInfo::exists(bench.settings.textpath));
    EXPECT_EQ(bench.boxes.texts(), QStringList(2, "Problem saving Figure File as " +
                                                      bench.dataFile("Figure", "Test3.fig")));
    EXPECT_EQ(bench.boxes.shown[0].title, "ORVANE");
    EXPECT_EQ(bench.boxes.shown[0].icon, MessageIcon::None);
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

TEST(SixtestsExport, InchDataIsWrittenInMillimetresAndKeptInInchesWithSixtestsCopiedOnce) {
    ResultsBench bench;
    twoInchZones(bench);
    ASSERT_TRUE(exportSixtests(bench.context()).ok()); // no sixtests.exe anywhere: no failure
    EXPECT_EQ(bench.bytes(bench.dataFile("SixTests", "Test3.set")),
              "Newt6 Test Number 3\r\n152.4   38.1   Mirror, obstruction diameters (mm)\r\n"
              "Foucault\r\n0.0     Source distance (0=moving source)\r\ny, MM   X, mm\r\n"
              "38.1 2.54\r\n76.2 0.312\r\n*\r\n-1 1219.2    Conic targets:  b, R (mm)\r\n"
              "0.0125 Measurement std deviation, mm\r\n1219.2 Longitudinal reading bias, mm\r\n"
              "\r\n");
    EXPECT_EQ(QList<double>({bench.mirror.MirDiam, bench.mirror.Roc, bench.mirror.Obst,
                             bench.readings.at(1, 0), bench.readings.at(2, 0)}),
              QList<double>({6, 48, 1.5, 0.1, 0.0123}));
    EXPECT_TRUE(bench.boxes.shown.isEmpty() && bench.events.isEmpty());

    // A fixed source gives the unrounded radius; each zone of three sets its rounded mean.
    bench.mirror.Roc = 48.123; // 1222.3242 mm
    bench.mirror.CC = -1.23456;
    bench.settings.menus.fixedSource = true;
    bench.settings.Reps = 2;
    const double zone2[] = {0.001, 0.002, 0.006, 100}; // mean 0.003" = 0.0762 mm
    for (int set = 0; set < 4; ++set)
        bench.readings.at(2, set) = zone2[set];
    bench.readings.at(1, 1) = 0.2; // zone 1: mean 0.1" = 2.54 mm
    ASSERT_TRUE(exportSixtests(bench.context()).ok());
    const QStringList lines =
        QString::fromUtf8(bench.bytes(bench.dataFile("SixTests", "Test3.set"))).split("\r\n");
    EXPECT_EQ(QStringList({lines[3], lines[5], lines[6], lines[8], lines[10]}),
              QStringList({"1222.3242     Source distance (0=moving source)", "38.1 2.54",
                           "76.2 0.076", "-1.235 1222.324    Conic targets:  b, R (mm)",
                           "1222.3 Longitudinal reading bias, mm"}));
    bench.settings.Sixtestspath = bench.root.path();
    const QString source = joinPath(bench.root.path(), {"SIXTESTS.EXE"});
    for (const char* version : {"first", "second"}) {
        writeTextFile(source, version);
        ASSERT_TRUE(exportSixtests(bench.context()).ok());
    }
    EXPECT_EQ(bench.bytes(bench.dataFile("SixTests", "sixtests.exe")), "first");
}

TEST(SixtestsExport, DrivesSixtestsByKeysWithItsPausesInOrderOrStopsAtAFailure) {
    ResultsBench bench;
    twoInchZones(bench);
    bench.settings.textpath = bench.root.path() + "/data (v+1)";
    bench.settings.LaunchSixtests = bench.settings.Launch3d = true;
    ASSERT_TRUE(exportSixtests(bench.context()).ok());
    const QString folder = joinPath(bench.settings.textpath, {"Newt6", "SixTests"});
    const QString typedSet = sendKeysLiteral(joinPath(folder, {"Test3.set"}));
    const QString typedSurface = sendKeysLiteral(joinPath(folder, {"test3.3d"}));
    const QString viewer = joinPath(bench.programFolder, {"3dmirror.exe"});
    EXPECT_EQ(bench.events,
              QStringList({"0 ms: start " + joinPath(folder, {"sixtests.exe"}) + " in " + folder,
                           "200 ms: keys+wait %fo", "200 ms: keys+wait " + typedSet + "{enter}",
                           "200 ms: keys {enter}", "300 ms: keys+wait %ff",
                           "400 ms: keys+wait " + typedSurface + "{enter}",
                           "400 ms: start " + viewer + " in " + bench.programFolder,
                           "400 ms: keys+wait " + typedSurface + "{enter}"}));
    EXPECT_EQ(bench.boxes.titles(), QStringList{"Launch 3D Mirror?"});
    EXPECT_EQ(bench.boxes.texts(), QStringList{"Press OK to Launch 3d Mirror!"});
    EXPECT_EQ(bench.boxes.shown[0].buttons, MessageButtons::OkCancel);

    // A failed keystroke or start, or no data folder, stops the export with its message.
    bench.events.clear();
    bench.boxes.shown.clear();
    bench.failAt = bench.sent + 2;
    EXPECT_FALSE(exportSixtests(bench.context()).ok());
    EXPECT_EQ(bench.events.size(), 3); // start, "%fo", the failed path
    bench.launches = false;
    EXPECT_FALSE(exportSixtests(bench.context()).ok());
    EXPECT_EQ(bench.events.size(), 4);
    const QString data = bench.settings.textpath;
    bench.settings.textpath.clear();
    EXPECT_FALSE(exportSixtests(bench.context()).ok());
    const QString file = Sep + "Newt6" + Sep + "SixTests" + Sep + "test3.set";
    const QString message = "Problem Saving Sixtests File as:\r\n";
    EXPECT_EQ(bench.boxes.texts(), QStringList(2, message + data + file) << message + file);
    EXPECT_EQ(bench.boxes.titles(), QStringList(3, "SHIT SHIT SHIT"));
    EXPECT_EQ(bench.boxes.shown[0].icon, MessageIcon::Critical);
}
