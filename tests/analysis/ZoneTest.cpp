#include "analysis/ZoneCalc.h"
#include "analysis/ZoneMeasurer.h"
#include "core/Clock.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {
MirrorData mirror(double diameter, double obstruction, int zones, double roc, int workNum = 1) {
    return {"Mirror6", diameter, obstruction, roc, 0, zones, workNum}; // CC 0
}

// One zone whose windows sit at columns 110 (left) and 210 (right), rows 117..123.
struct OneZone {
    VirtualClock clock;
    ZoneMeasurer measurer{clock};
    MirrorCircle circle{160, 120, 100};
    bool tracking = false;
};

// Measures a frame of `level` grey with the left window's seven pixels and the right window's
// colour.
FrameMeasurement measure(OneZone& rig, int level, std::array<int, 7> left = {}, QRgb right = 0) {
    ZoneTable zones;
    zones.centerFrac[1] = 0.5;
    QImage frame(320, 240, QImage::Format_RGB32);
    frame.fill(qRgb(level, level, level));
    for (int j = 0; j < 7 && right; ++j) {
        frame.setPixel(110, 117 + j, qRgb(left[j], 0, 0));
        frame.setPixel(210, 117 + j, right);
    }
    return rig.measurer.measureZones(frame, {zones, 1, rig.tracking}, rig.circle);
}
} // namespace

TEST(ZoneCalc, TablesOfWorkedMirrorsWithoutAReport) {
    testkit::TempFolder data;
    const ZoneCalcResult moving = zoneCalc(mirror(10, 0, 2, 100), false, data.path());
    EXPECT_EQ(moving.PerfectFactor, 1);
    EXPECT_EQ(moving.readingsTable,
              "\r\nUse Zone data below for manual data reduction"
              "\r\nZone\tInner\tOuter\tRadius\tPerf#\r\n"
              "1\t0\t3.536\t2.165\t0\r\n"
              "2\t3.536\t5\t4.299\t0.069\r\n"
              "\r\nPefect Numbers are for a MOVING light Source and Parabolic Mirror!");
    const ZoneCalcResult fixed = zoneCalc(mirror(10, 0, 2, 100), true, data.path());
    EXPECT_EQ(
        std::pair(fixed.PerfectFactor, fixed.readingsTable),
        std::pair(
            2, QString(moving.readingsTable).replace("0.069", "0.138").replace("MOVING", "FIXED")));
    // Equal areas from the obstruction's edge, each measured at sqrt(m^2 + h^2 / 2) of its mid
    // radius m and half width h.
    EXPECT_TRUE(zoneCalc(mirror(6, 1.5, 4, 48), false, QString())
                    .readingsTable.contains(
                        "1\t0.75\t1.635\t1.233\t0\r\n2\t1.635\t2.187\t1.921\t0.023\r\n"
                        "3\t2.187\t2.625\t2.411\t0.045\r\n4\t2.625\t3\t2.816\t0.067\r\n"));
}

// Each report line after the first is cut at every "= " the scan meets, keeping from the character
// before it; the scan goes on in the shortened line from where it was, so a short radius keeps
// its second "= ". Lines without one stay whole; 51 non-empty lines are read at most.
TEST(ZoneCalc, PreviousReportIsReadBackWhateverItsLetterCaseAndAnUnreadableOneIsSkipped) {
    testkit::TempFolder data;
    const QString folder = joinPath(data.path(), {"mirror6", "TextData"});
    ASSERT_TRUE(ensureFolder(folder));
    ASSERT_TRUE(writeTextFile(joinPath(folder, {"test3.txt"}),
                              "Mirror Diameter = 6 ROC = 48 Conic Constant = -1\r\n"
                              " Zone 1 radius = 1.2335\t Reading = 0.0123\r\n"
                              " Zone 2 radius = 1.9211\t Readings = 0.02 \t0.021\r\n"
                              " Zone 3 radius = 1\t Reading = 2\r\ngarbage\r\n"));
    EXPECT_TRUE(
        zoneCalc(mirror(6, 1.5, 4, 48, 4), false, data.path())
            .readingsTable.startsWith("Previous Zone Readings from Test #3:\r\n"
                                      "Old Zone 1 = 0.0123\r\nOld Zone 2 = 0.02 \t0.021\r\n"
                                      "Old Zone 3 = 1\t Reading = 2\r\nOld Zone 4garbage\r\n"
                                      "\r\nUse Zone data below for manual data reduction\r\n"));
    ASSERT_TRUE(ensureFolder(joinPath(folder, {"Test2.txt"}))); // a folder: not readable
    EXPECT_TRUE(
        zoneCalc(mirror(6, 1.5, 4, 48, 3), false, data.path()).readingsTable.startsWith("\r\n"));
    QStringList report{"header"};
    for (int k = 1; k <= 60; ++k)
        report.append(QStringLiteral(" Zone %1 radius = 1.2345\t Reading = %1").arg(k));
    const QStringList lines = previousReadingsText(report, 7).split("\r\n", Qt::SkipEmptyParts);
    EXPECT_EQ(std::tuple(lines.size(), lines.last()), std::tuple(51, "Old Zone 50 = 50"));
}

TEST(ZoneMeasurer, WindowMeansAreTruncatedAndAveragedOverTheLastFramesAtMostThirty) {
    OneZone rig;
    rig.measurer.setFramesToAverage(0);
    EXPECT_EQ(rig.measurer.framesToAverage(), 1);
    measure(rig, 0, {10, 10, 10, 10, 10, 10, 11}, qRgb(10, 50, 30)); // a pixel's largest colour
    EXPECT_EQ(std::pair(rig.measurer.LZV(1), rig.measurer.RZV(1)), std::pair(10, 50));
    rig.measurer.setFramesToAverage(45);
    EXPECT_EQ(averagingCaption(rig.measurer.framesToAverage()), "Averaging 30 Frames");
    const std::pair<int, int> lit[] = {{1, 8}, {14, 127}, {15, 255}}; // 255 * frames / 30
    for (const auto& [frames, lzv] : lit) {
        for (int i = 0; i < frames; ++i)
            measure(rig, 255);
        EXPECT_EQ(rig.measurer.LZV(1), lzv);
    }
    measure(rig, 0); // the oldest lit frame drops out
    EXPECT_EQ(std::tuple(rig.measurer.LZV(1), rig.measurer.leftHistory(30, 1),
                         rig.measurer.leftHistory(1, 1)),
              std::tuple(246, 255, 0));
    rig.circle.x = 300; // the right window at column 350 lies outside the picture
    measure(rig, 255);
    EXPECT_EQ(std::pair(rig.measurer.LZV(1), rig.measurer.RZV(1)),
              std::pair(246, 238)); // 29 and 28 lit frames of 30
    rig.tracking = true;
    EXPECT_FALSE(measure(rig, 0).track.value().moved); // no edge on a dark frame: the circle stays
    EXPECT_EQ(std::pair(rig.circle.x, rig.circle.y), std::pair(300, 120));
}

// The figure is the sum of the last nine rates over ten, each rate rounded when measuring zones
// and cut in the outline loop; a second frame in the same instant repeats the newest rate.
TEST(FrameRateMeter, ShowsNineRatesOverTen) {
    VirtualClock clock;
    FrameRateMeter meter(clock);
    using enum FrameRateMeter::Rounding;
    const int shown[] = {2, 5, 7, 10, 12, 15, 17, 20, 22, 22};
    for (int i = 0; i < 10; ++i) {
        clock.spinNs(i < 2 ? 37'600'000 : i < 9 ? 40'000'000 : 0); // 26.6, then 25 a second
        EXPECT_EQ(meter.tick(i == 1 ? Truncate : Nearest), shown[i]) << i;
    }
}
