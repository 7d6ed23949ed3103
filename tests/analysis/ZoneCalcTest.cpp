#include "analysis/ZoneCalc.h"
#include "app/core/ProgramFolder.h"
#include "app/core/TextFile.h"
#include "support/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

MirrorData mirror(double diameter, double obstruction, int zones, double roc, int workNum = 1) {
    MirrorData m;
    m.WorkFile = "Mirror6";
    m.MirDiam = diameter;
    m.Obst = obstruction;
    m.NZ = zones;
    m.Roc = roc;
    m.WorkNum = workNum;
    return m;
}

// The TAB-separated fields of the table's zone rows, in order.
std::vector<QStringList> tableRows(const QString& text2) {
    std::vector<QStringList> rows;
    const QStringList lines = text2.split("\r\n");
    const qsizetype header = lines.indexOf("Zone\tInner\tOuter\tRadius\tPerf#");
    for (qsizetype i = header + 1; i < lines.size() && !lines[i].isEmpty(); ++i)
        rows.push_back(lines[i].split('\t'));
    return rows;
}

QStringList column(const QString& text2, int field) {
    QStringList values;
    for (const QStringList& row : tableRows(text2))
        values.append(row.value(field));
    return values;
}

void writeReport(const QString& textpath, const QString& workFile, const QString& name,
                 const QString& text) {
    const QString folder = joinPath(textpath, {workFile, "TextData"});
    ASSERT_TRUE(ensureFolder(folder));
    ASSERT_TRUE(writeTextFile(joinPath(folder, {name}), text));
}

} // namespace

TEST(ZoneGeometry, EqualAreaBoundariesWithoutObstruction) {
    const ZoneGeometry g = computeZoneGeometry(6, 0, 4);
    EXPECT_EQ(g.AreaRatio, 0.0f);
    EXPECT_EQ(g.table.innerFrac[1], 0.0);
    const double outer[] = {0.5, 0.7071, 0.8660, 1.0};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_NEAR(g.table.outerFrac[i], outer[i - 1], 5e-5) << "zone " << i;
        if (i > 1) {
            EXPECT_EQ(g.table.innerFrac[i], g.table.outerFrac[i - 1]);
        }
    }
}

TEST(ZoneGeometry, FirstZoneStartsAtTheObstructionEdge) {
    const ZoneGeometry g = computeZoneGeometry(6, 1.5, 4);
    EXPECT_FLOAT_EQ(g.AreaRatio, 0.0625f);
    EXPECT_NEAR(g.table.innerFrac[1], 0.25, 1e-7);
    EXPECT_NEAR(g.table.outerFrac[4], 1.0, 1e-7);
    // The measuring radius is m^2 + h^2/2 of the zone's mid and half width, not m^2 + h^2.
    const double m = (g.table.outerFrac[2] + g.table.innerFrac[2]) / 2;
    const double h = (g.table.outerFrac[2] - g.table.innerFrac[2]) / 2;
    EXPECT_NEAR(g.table.centerFrac[2], std::sqrt(m * m + h * h / 2), 1e-7);
    EXPECT_GT(std::abs(g.table.centerFrac[2] - std::sqrt(m * m + h * h)), 1e-4);
}

TEST(ZoneCalc, TwoZoneMirrorWithoutReportGivesTheExactText) {
    testkit::TempFolder data;
    const ZoneCalcResult moving = zoneCalc(mirror(10, 0, 2, 100), false, data.path());
    EXPECT_EQ(moving.PerfectFactor, 1);
    EXPECT_EQ(moving.text2,
              "\r\nUse Zone data below for manual data reduction"
              "\r\nZone\tInner\tOuter\tRadius\tPerf#\r\n"
              "1\t0\t3.536\t2.165\t0\r\n"
              "2\t3.536\t5\t4.299\t0.069\r\n"
              "\r\nPefect Numbers are for a MOVING light Source and Parabolic Mirror!");

    const ZoneCalcResult fixed = zoneCalc(mirror(10, 0, 2, 100), true, data.path());
    EXPECT_EQ(fixed.PerfectFactor, 2);
    EXPECT_EQ(column(fixed.text2, 4), QStringList({"0", "0.138"}));
    EXPECT_TRUE(fixed.text2.endsWith(
        "\r\n\r\nPefect Numbers are for a FIXED light Source and Parabolic Mirror!"));
}

TEST(ZoneCalc, ObstructedFourZoneMirrorRadiiAndPerfectNumbers) {
    const ZoneCalcResult moving = zoneCalc(mirror(6, 1.5, 4, 48), false, QString());
    EXPECT_EQ(column(moving.text2, 0), QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(column(moving.text2, 1).first(), "0.75");
    EXPECT_EQ(column(moving.text2, 2).last(), "3");
    EXPECT_EQ(column(moving.text2, 3), QStringList({"1.233", "1.921", "2.411", "2.816"}));
    EXPECT_EQ(column(moving.text2, 4), QStringList({"0", "0.023", "0.045", "0.067"}));

    const ZoneCalcResult fixed = zoneCalc(mirror(6, 1.5, 4, 48), true, QString());
    EXPECT_EQ(column(fixed.text2, 4), QStringList({"0", "0.046", "0.09", "0.134"}));
    EXPECT_EQ(fixed.geometry.table.centerFrac, moving.geometry.table.centerFrac);
}

TEST(ZoneCalc, MissingOrUnreadableReportStartsWithTheManualReductionLine) {
    testkit::TempFolder data;
    const QString expectedStart = "\r\nUse Zone data below for manual data reduction\r\nZone\t";
    // WorkNum 1: the report of test 0 is looked for and is not there.
    EXPECT_TRUE(
        zoneCalc(mirror(10, 0, 2, 100, 1), false, data.path()).text2.startsWith(expectedStart));
    // No data folder configured.
    EXPECT_TRUE(
        zoneCalc(mirror(10, 0, 2, 100, 3), false, QString()).text2.startsWith(expectedStart));
    // A folder where the report should be cannot be read as one.
    ASSERT_TRUE(ensureFolder(joinPath(data.path(), {"Mirror6", "TextData", "Test2.txt"})));
    EXPECT_TRUE(
        zoneCalc(mirror(10, 0, 2, 100, 3), false, data.path()).text2.startsWith(expectedStart));
}

TEST(ZoneCalc, PreviousReportIsReadBackWhateverItsLetterCase) {
    testkit::TempFolder data;
    writeReport(data.path(), "mirror6", "test3.txt",
                "Mirror Diameter = 6 ROC = 48 Conic Constant = -1  Units are in Inches Moving "
                "Source Tester\r\n"
                " Zone 1 radius = 1.2335\t Reading = 0.0123\r\n"
                " Zone 2 radius = 1.9211\t Readings = 0.02 \t0.021\r\n"
                "\r\n");
    const ZoneCalcResult r = zoneCalc(mirror(6, 1.5, 4, 48, 4), false, data.path());
    EXPECT_TRUE(r.text2.startsWith("Previous Zone Readings from Test #3:\r\n"
                                   "Old Zone 1 = 0.0123\r\n"
                                   "Old Zone 2 = 0.02 \t0.021\r\n"
                                   "\r\nUse Zone data below for manual data reduction\r\n"
                                   "Zone\tInner"))
        << r.text2.toStdString();
}

TEST(ZoneCalc, ReadBackCutsOnceForShortRadiiAndKeepsLinesWithoutEquals) {
    EXPECT_EQ(cutAtEquals(" Zone 1 radius = 1.2335\t Reading = 0.0123"), " = 0.0123");
    // The second "= " of the shortened line lies before the scan's position: one cut only.
    EXPECT_EQ(cutAtEquals(" Zone 1 radius = 1\t Reading = 2"), " = 1\t Reading = 2");
    EXPECT_EQ(cutAtEquals(" Zone 1 radius = 12\t Reading = 2"), " = 12\t Reading = 2");
    EXPECT_EQ(cutAtEquals(" Zone 1 radius = 1.5\t Reading = 2"), " = 2");
    EXPECT_EQ(cutAtEquals("no equals here"), "no equals here");
    EXPECT_EQ(cutAtEquals("= at the start"), "= at the start");

    const QString text =
        previousReadingsText({"header", "", "garbage line", " Zone 2 radius = 1\t Reading = 2"}, 7);
    EXPECT_EQ(text, "Previous Zone Readings from Test #7:\r\n"
                    "Old Zone 1garbage line\r\n"
                    "Old Zone 2 = 1\t Reading = 2\r\n");
}

TEST(ZoneCalc, ReadBackKeepsAtMostFiftyOneLines) {
    QStringList report{"header"};
    for (int k = 1; k <= 60; ++k)
        report.append(QStringLiteral(" Zone %1 radius = 1.2345\t Reading = %1").arg(k));
    const QStringList lines = previousReadingsText(report, 1).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 51); // title and zones 1..50
    EXPECT_EQ(lines.last(), "Old Zone 50 = 50");
}

TEST(ZoneCalc, NoZonesGivesAnEmptyTable) {
    const ZoneCalcResult r = zoneCalc(mirror(10, 0, 0, 100), false, QString());
    EXPECT_TRUE(tableRows(r.text2).empty());
    EXPECT_TRUE(r.text2.endsWith("Perf#\r\n\r\nPefect Numbers are for a MOVING light Source and "
                                 "Parabolic Mirror!"));
}
