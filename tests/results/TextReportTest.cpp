#include "results/TextReport.h"
#include "ResultsBench.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {
void useZones(testkit::ResultsBench& bench) {
    bench.mirror.NZ = 3;
    bench.zones.centerFrac[1] = 0.2357022; // 3 * 0.2357022 = 0.7071066
    bench.zones.centerFrac[2] = 0.5;
    bench.zones.centerFrac[3] = 0.66666666;
}
} // namespace

TEST(TextReport, OneSetInInchesWithAMovingSource) {
    testkit::ResultsBench bench;
    useZones(bench);
    bench.readings.at(1, 0) = 0;
    bench.readings.at(2, 0) = 0.0125;
    bench.readings.at(3, 0) = -0.003;
    bench.readings.at(3, 1) = 9; // not part of a one-set report
    EXPECT_EQ(textReportText(bench.settings, bench.mirror, bench.zones, bench.readings),
              "Mirror Diameter = 6 ROC = 48 Conic Constant = -1 Units are in Inches Moving Source "
              "Tester\r\n"
              " Zone 1 radius = 0.7071\t Reading = 0\r\n"
              " Zone 2 radius = 1.5\t Reading = 0.0125\r\n"
              " Zone 3 radius = 2\t Reading = -0.003\r\n"
              "\r\n");
}

TEST(TextReport, FourSetsInMillimetresWithAFixedSource) {
    testkit::ResultsBench bench;
    useZones(bench);
    bench.mirror.NZ = 2;
    bench.mirror.MirDiam = 152.4;
    bench.mirror.Roc = 1219.2;
    bench.settings.Metric = true;
    bench.settings.menus.fixedSource = true;
    bench.settings.Reps = 3;
    for (int set = 0; set < 4; ++set) {
        bench.readings.at(1, set) = set * 0.5;
        bench.readings.at(2, set) = 10 + set;
    }
    EXPECT_EQ(textReportText(bench.settings, bench.mirror, bench.zones, bench.readings),
              "Mirror Diameter = 152.4 ROC = 1219.2 Conic Constant = -1 Units are in Millimeters "
              "Fixed Source Tester\r\n"
              " Zone 1 radius = 17.9605\t Readings = 0 \t0.5 \t1 \t1.5\r\n"
              " Zone 2 radius = 38.1\t Readings = 10 \t11 \t12 \t13\r\n"
              "\r\n");
}

TEST(TextReport, TwoAndThreeSetsAndASetCountBeyondTheTable) {
    testkit::ResultsBench bench;
    useZones(bench);
    bench.mirror.NZ = 1;
    bench.readings.at(1, 0) = 1;
    bench.readings.at(1, 1) = 2;
    bench.readings.at(1, 2) = 3;
    bench.settings.Reps = 1;
    EXPECT_TRUE(textReportText(bench.settings, bench.mirror, bench.zones, bench.readings)
                    .contains(" Zone 1 radius = 0.7071\t Readings = 1 \t2\r\n"));
    bench.settings.Reps = 2;
    EXPECT_TRUE(textReportText(bench.settings, bench.mirror, bench.zones, bench.readings)
                    .contains(" Readings = 1 \t2 \t3\r\n"));
    bench.settings.Reps = 4;
    EXPECT_EQ(
        splitTextLines(textReportText(bench.settings, bench.mirror, bench.zones, bench.readings))
            .size(),
        2);
}

TEST(TextReport, WritesTheFileAndOverwritesAnEarlierOne) {
    testkit::ResultsBench bench;
    useZones(bench);
    const QString path = bench.dataFile("TextData", "test3.txt");
    ASSERT_TRUE(writeTextReport(bench.context()));
    EXPECT_EQ(bench.bytes(path),
              textReportText(bench.settings, bench.mirror, bench.zones, bench.readings).toUtf8());
    bench.readings.at(1, 0) = 0.5;
    ASSERT_TRUE(writeTextReport(bench.context()));
    EXPECT_TRUE(bench.bytes(path).contains("Reading = 0.5\r\n"));
    EXPECT_TRUE(bench.boxes.shown.isEmpty());
}

TEST(TextReport, UsesExistingFoldersWhateverTheirCase) {
    testkit::ResultsBench bench;
    const QString existing = joinPath(bench.settings.textpath, {"newt6", "textdata"});
    ASSERT_TRUE(ensureFolder(existing));
    ASSERT_TRUE(writeTextReport(bench.context()));
    EXPECT_TRUE(QFileInfo::exists(joinPath(existing, {"test3.txt"})));
    EXPECT_EQ(QDir(bench.settings.textpath).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList({"newt6"}));
}

TEST(TextReport, AnEmptyDataFolderIsReported) {
    testkit::ResultsBench bench;
    bench.settings.textpath.clear();
    EXPECT_FALSE(writeTextReport(bench.context()));
    ASSERT_EQ(bench.boxes.shown.size(), 1);
    const Message& shown = bench.boxes.shown[0];
    const QString sep = QDir::separator();
    EXPECT_EQ(shown.text, "Problem saving Text File to " + sep + "Newt6" + sep + "TextData" + sep +
                              "Test3.txt");
    EXPECT_EQ(shown.title, "Save Text Problem");
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
}

TEST(TextReport, AnUnwritableFileIsReportedWithItsPath) {
    testkit::ResultsBench bench;
    // A folder where the report file belongs cannot be overwritten by a file.
    ASSERT_TRUE(ensureFolder(bench.dataFile("TextData", "test3.txt")));
    EXPECT_FALSE(writeTextReport(bench.context()));
    ASSERT_EQ(bench.boxes.shown.size(), 1);
    EXPECT_EQ(bench.boxes.shown[0].text,
              "Problem saving Text File to " + bench.dataFile("TextData", "Test3.txt"));
}
