#include "live/Overlay.h"
#include "LiveLoopRig.h"
#include "analysis/ZoneGeometry.h"
#include "live/BarGraph.h"
#include "live/LiveRenderer.h"
#include "live/PictureStyle.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPicture>
#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

TEST(Overlay, ZoneTicksAtTheRoundedWindowColumnsAndTheObstructionInWholePixelsPerUnit) {
    const MirrorCircle circle{160, 120, 100};
    const WindowColumns halves = zoneWindowColumns(circle, 0.125); // 147.5 and 172.5
    EXPECT_EQ(std::pair(halves.left, halves.right), std::pair(148, 172));
    QImage picture(320, 240, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    drawZoneTicks(painter, circle, 0.3);
    // round(2.5) = 2 units of radius (halves to even): 62 whole pixels per unit for Rp 125.
    drawObstruction(painter, {160, 120, 125}, MirrorData{.MirDiam = 5, .Obst = 2});
    painter.end();
    for (int y = 113; y <= 127; ++y) // ticks eleven rows high at columns 130 and 190
        for (int x = 0; x < 320; ++x)
            EXPECT_EQ(picture.pixelColor(x, y) == colours::Magenta,
                      (x == 130 || x == 190) && y >= 115 && y <= 125)
                << x << "," << y;
    EXPECT_EQ(std::tuple(picture.pixelColor(97, 120), picture.pixelColor(98, 120),
                         picture.pixelColor(222, 120), picture.pixelColor(223, 120)),
              std::tuple(Qt::black, colours::Cyan, colours::Cyan, Qt::black));
    // An obstruction of 100000 would be a circle far beyond the picture: nothing is drawn.
    for (const double obstruction : {2.0, 100000.0}) {
        QPicture drawn;
        QPainter recorder(&drawn);
        drawObstruction(recorder, {160, 120, 125}, MirrorData{.MirDiam = 5, .Obst = obstruction});
        recorder.end();
        EXPECT_EQ(drawn.boundingRect().isValid(), obstruction == 2.0);
    }
}

// The renderer on its own: the numbers of one zone, no frame.
TEST(LiveRenderer, BarsStandOnTheBaseLineUnlessSwitchedOffAndATestMovesSlider1) {
    FrameMeasurement measured{.zoneCount = 1, .framesAveraged = 1};
    std::tie(measured.LZV[1], measured.RZV[1]) = std::tuple(128, 64);
    LiveLoopRig rig; // its Picture2 is 300 x 100
    OverlayInputs in{rig.mirror, rig.zones, rig.settings, rig.MotorStatus};
    drawZonePass({}, measured, {}, in, rig.displays);
    const QImage& bars = rig.displays.zoneBars;
    // W = 300, T = 100, H = 100: the left bar spans x 50..149, the right 150..249; both end at 94.
    for (int x : {49, 50, 149, 150, 249, 250}) {
        const int top = x == 49 || x == 250 ? 100 : x < 150 ? 45 : 70; // 128 and 64 of 256
        for (int y = 0; y < 100; ++y)
            EXPECT_EQ(bars.pixelColor(x, y) == (x < 150 ? colours::Blue : colours::Red),
                      y >= top && y < 95)
                << x << "," << y;
    }

    const QImage before = bars.copy();
    std::tie(in.barsOff, in.manual) = std::tuple(true, false); // while the automated test measures
    drawZonePass({}, measured, {}, in, rig.displays);
    EXPECT_EQ(std::tuple(bars, rig.displays.averagingSliderPosition), std::tuple(before, 1));
}

TEST(BarGraph, LabelsShrinkOnlyWhereTheWidestWouldReachTheNextSlot) {
    const QImage box(480, 100, QImage::Format_RGB32);
    for (const int zones : {4, 16}) { // slots 120 and 30 wide
        const BarLayout layout = barLayout(box, zones);
        const QFont font = barLabelFont(layout, zones);
        EXPECT_LE(QFontMetrics(font).horizontalAdvance(QString("Zone %1").arg(zones)),
                  layout.W - 2);
        EXPECT_EQ(font.pixelSize() == pictureFont(8).pixelSize(), zones == 4);
    }
}
