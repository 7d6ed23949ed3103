#include "results/FigureExport.h"
#include "ResultsBench.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace orvane;

namespace {
const QString Filler = "0.000000 0.000000 0.000000";

void fiveZones(testkit::ResultsBench& bench) {
    const double fracs[] = {std::sqrt(3.0) / 3, 0.5, 0.7, 0.8, 1.0};
    for (int zone = 1; zone <= 5; ++zone) {
        bench.zones.centerFrac[zone] = fracs[zone - 1];
        for (int set = 0; set < 4; ++set)
            bench.readings.at(zone, set) = zone * 0.01 + set * 0.001;
    }
    bench.settings.FigurePath = bench.root.path() + "/figure45";
}

QStringList figureLines(testkit::ResultsBench& bench) {
    return splitTextLines(QString::fromUtf8(bench.bytes(bench.dataFile("Figure", "Test3.fig"))));
}
} // namespace

TEST(FigureExport, FiveZonesOneSet) {
    testkit::ResultsBench bench;
    fiveZones(bench);
    ASSERT_TRUE(exportFigure(bench.context()));
    const QStringList expected = QStringList{"5 1 1",
                                             "48 6 -1",
                                             "1.732050 0.000000 0.01",
                                             "1.5 0.000000 0.02",
                                             "2.1 0.000000 0.03",
                                             "2.4 0.000000 0.04",
                                             "3 0.000000 0.05"} +
                                 QStringList(10, Filler) + QStringList{"0 1", ""};
    EXPECT_EQ(figureLines(bench), expected);
    EXPECT_TRUE(bench.bytes(bench.dataFile("Figure", "Test3.fig")).endsWith("0 1\r\n\r\n"));
    EXPECT_TRUE(bench.boxes.shown.isEmpty());
    EXPECT_TRUE(bench.log.events.isEmpty());
}

TEST(FigureExport, FiveZonesTwoSetsFillTheReadingBlockToFortyFiveLines) {
    testkit::ResultsBench bench;
    fiveZones(bench);
    bench.settings.Reps = 1;
    bench.settings.menus.fixedSource = true;
    ASSERT_TRUE(exportFigure(bench.context()));
    QStringList expected{"5 1 0",
                         "48 6 -1",
                         "1.732050 0.000000 0.01",
                         "1.5 0.000000 0.02",
                         "2.1 0.000000 0.03",
                         "2.4 0.000000 0.04",
                         "3 0.000000 0.05"};
    expected << QStringList(10, Filler) << "0 2";
    // Sets 1, 2 and 3 of every zone, whatever the number of sets.
    for (int zone = 1; zone <= 5; ++zone) {
        for (int set = 1; set <= 3; ++set)
            expected << QStringLiteral("0.0%1%2").arg(zone).arg(set);
    }
    expected << QStringList(30, "0") << "";
    EXPECT_EQ(figureLines(bench), expected);
}

TEST(FigureExport, SixteenZonesFourSetsNeedNoFiller) {
    testkit::ResultsBench bench;
    fiveZones(bench);
    bench.mirror.NZ = 16;
    bench.settings.Reps = 3;
    for (int zone = 1; zone <= 16; ++zone) {
        bench.zones.centerFrac[zone] = zone / 16.0;
        for (int set = 0; set < 4; ++set)
            bench.readings.at(zone, set) = zone + set / 10.0;
    }
    ASSERT_TRUE(exportFigure(bench.context()));
    const QStringList radii{"0.1875", "0.375", "0.5625", "0.75", "0.9375", "1.125", "1.3125", "1.5",
                            "1.6875", "1.875", "2.0625", "2.25", "2.4375", "2.625", "2.8125", "3"};
    QStringList expected{"16 1 1", "48 6 -1"};
    for (int zone = 1; zone <= 16; ++zone)
        expected << radii[zone - 1] + " 0.000000 " + QString::number(zone);
    expected << "0 4";
    for (int zone = 1; zone <= 16; ++zone) {
        for (int set = 1; set <= 3; ++set)
            expected << QStringLiteral("%1.%2").arg(zone).arg(set);
    }
    expected << "";
    EXPECT_EQ(figureLines(bench), expected);
    EXPECT_EQ(expected.size(), 2 + 16 + 1 + 48 + 1);
}

TEST(FigureExport, MetricDataIsWrittenInInchesAndKeptInMillimetres) {
    testkit::ResultsBench bench;
    fiveZones(bench);
    bench.settings.Metric = true;
    bench.mirror.MirDiam = 152.4;
    bench.mirror.Roc = 1219.2;
    bench.mirror.Obst = 25.4;
    bench.readings.at(1, 0) = 2.54;
    bench.readings.at(2, 0) = -0.254;
    const MirrorData before = bench.mirror;
    const ZoneReadings readingsBefore = bench.readings;

    ASSERT_TRUE(exportFigure(bench.context()));
    const QStringList lines = figureLines(bench);
    EXPECT_EQ(lines[1], "48 6 -1");
    EXPECT_EQ(lines[2], "1.732050 0.000000 0.1");
    EXPECT_EQ(lines[3], "1.5 0.000000 -0.01");
    EXPECT_EQ(bench.mirror.MirDiam, before.MirDiam);
    EXPECT_EQ(bench.mirror.Roc, before.Roc);
    EXPECT_EQ(bench.mirror.Obst, before.Obst);
    for (int zone = 0; zone <= MaxZones; ++zone) {
        for (int set = 0; set < MaxSets; ++set)
            EXPECT_EQ(bench.readings.at(zone, set), readingsBefore.at(zone, set));
    }
}

TEST(FigureExport, MetricValuesStayWhenWritingFails) {
    testkit::ResultsBench bench;
    fiveZones(bench);
    bench.settings.Metric = true;
    bench.mirror.MirDiam = 152.4;
    ASSERT_TRUE(ensureFolder(bench.dataFile("Figure", "Test3.fig")));
    EXPECT_FALSE(exportFigure(bench.context()));
    EXPECT_EQ(bench.mirror.MirDiam, 152.4);
    ASSERT_EQ(bench.boxes.shown.size(), 1);
    EXPECT_EQ(bench.boxes.shown[0].text,
              "Problem saving Figure File as " + bench.dataFile("Figure", "Test3.fig"));
}

TEST(FigureExport, CopiesTheProgramAndItsFilesEveryTime) {
    testkit::ResultsBench bench;
    fiveZones(bench);
    ensureFolder(bench.settings.FigurePath);
    for (const QString name : {"figure45.exe", "Egavga.bgi", "BESSEL.DAT"})
        writeTextFile(joinPath(bench.settings.FigurePath, {name}), name + " v1");
    ASSERT_TRUE(exportFigure(bench.context()));
    EXPECT_EQ(bench.bytes(bench.dataFile("Figure", "figure45.exe")), "figure45.exe v1");
    EXPECT_EQ(bench.bytes(bench.dataFile("Figure", "Egavga.bgi")), "Egavga.bgi v1");
    EXPECT_EQ(bench.bytes(bench.dataFile("Figure", "Bessel.dat")), "BESSEL.DAT v1");

    writeTextFile(joinPath(bench.settings.FigurePath, {"figure45.exe"}), "figure45.exe v2");
    ASSERT_TRUE(exportFigure(bench.context()));
    EXPECT_EQ(bench.bytes(bench.dataFile("Figure", "figure45.exe")), "figure45.exe v2");
}

TEST(FigureExport, StartsFigure45InTheFigureFolderWhenAsked) {
    testkit::ResultsBench bench;
    fiveZones(bench);
    bench.settings.LaunchFigure = true;
    ASSERT_TRUE(exportFigure(bench.context()));
    const QString folder = joinPath(bench.settings.textpath, {"Newt6", "Figure"});
    EXPECT_EQ(bench.log.events,
              QStringList({"0 ms: start " + joinPath(folder, {"figure45.exe"}) + " in " + folder}));

    bench.launcher.succeed = false;
    EXPECT_FALSE(exportFigure(bench.context()));
    ASSERT_EQ(bench.boxes.shown.size(), 1);
    EXPECT_EQ(bench.boxes.shown[0].title, "ORVANE");
    EXPECT_EQ(bench.boxes.shown[0].icon, MessageIcon::None);
}

TEST(FigureExport, AnEmptyFigurePathIsRefusedWithoutCreatingAnyFolder) {
    testkit::ResultsBench bench;
    fiveZones(bench);
    bench.settings.FigurePath.clear();
    EXPECT_FALSE(exportFigure(bench.context()));
    EXPECT_FALSE(QFileInfo::exists(bench.settings.textpath));
    ASSERT_EQ(bench.boxes.shown.size(), 1);
    const Message& shown = bench.boxes.shown[0];
    EXPECT_EQ(shown.text, "Problem saving Figure File as " + bench.settings.textpath +
                              QDir::separator() + "Newt6" + QDir::separator() + "Figure" +
                              QDir::separator() + "Test3.fig");
    EXPECT_EQ(shown.title, "ORVANE");
    EXPECT_EQ(shown.icon, MessageIcon::None);
    EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    EXPECT_TRUE(bench.log.events.isEmpty());
}

TEST(FigureExport, AnEmptyDataFolderIsRefusedToo) {
    testkit::ResultsBench bench;
    fiveZones(bench);
    bench.settings.textpath.clear();
    EXPECT_FALSE(exportFigure(bench.context()));
    ASSERT_EQ(bench.boxes.shown.size(), 1);
    EXPECT_TRUE(bench.boxes.shown[0].text.endsWith(QDir::separator() + QString("Newt6") +
                                                   QDir::separator() + "Figure" +
                                                   QDir::separator() + "Test3.fig"));
    EXPECT_FALSE(QFileInfo::exists("Newt6"));
}
