#include "analysis/AutoCentre.h"
#include "analysis/MirrorTracker.h"
#include "support/LitBench.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {
SimulatedBench benchShowing(double cx, double cy, double radius, double driftX = 0,
                            int gain = 220) {
    BenchConfig c = LitBench::config();
    std::tie(c.camera.centerX, c.camera.centerY, c.camera.radius, c.camera.driftX, c.camera.gain) =
        std::tuple(cx, cy, radius, driftX, gain);
    SimulatedBench bench(c);
    bench.connectDriver(0);
    return bench;
}
} // namespace

TEST(AutoCentre, AClickOnTheBenchMirrorFindsItsCentreAndSize) {
    // The last is wider than 110 pixels each side: the vertical scans move in from the edge.
    const std::tuple<int, int, int, QPointF> mirrors[] = {{150, 110, 80, {150.4, 109.6}},
                                                          {175, 130, 95, {140, 150}},
                                                          {120, 100, 40, {110, 95}},
                                                          {160, 120, 115, {160, 120}}};
    for (const auto& [cx, cy, radius, click] : mirrors) {
        SimulatedBench bench = benchShowing(cx, cy, radius);
        MirrorCircle circle;
        QImage liveView;
        EXPECT_EQ(autoCentreFromCamera(bench, click, circle, liveView).status,
                  AutoCentreStatus::Accepted);
        EXPECT_NEAR(circle.x, cx, 2);
        EXPECT_NEAR(circle.y, cy, 2);
        EXPECT_NEAR(circle.radius, radius, 2);
    }
    // Refused, the circle staying: right of x = 316 the right scans do not run; a dark bench;
    // no frame at all.
    SimulatedBench small = benchShowing(160, 120, 50), dark = benchShowing(160, 120, 100, 0, 0),
                   off = benchShowing(160, 120, 100);
    off.connectDriver(1);
    MirrorCircle circle{1, 2, 3};
    QImage liveView;
    for (const auto& [bench, click, status] :
         {std::tuple(&small, QPointF(318, 120), AutoCentreStatus::OutOfRange),
          {&dark, {160, 120}, AutoCentreStatus::OutOfRange},
          {&off, {160, 120}, AutoCentreStatus::NoFrame}})
        EXPECT_EQ(autoCentreFromCamera(*bench, click, circle, liveView).status, status);
    EXPECT_EQ(std::tuple(circle.x, circle.y, circle.radius), std::tuple(1, 2, 3));

    // A faint rectangle (level 3 on 2, x 50..269, y 20..219): the contrast of each four-pixel
    // sum is cut by three, which puts every edge 2 pixels inside.
    QImage faint(320, 240, QImage::Format_RGB32);
    faint.fill(qRgb(2, 2, 2));
    QPainter(&faint).fillRect(50, 20, 220, 200, QColor(3, 3, 3));
    const AutoCentreResult found = autoCentreSize(faint, {160, 120});
    EXPECT_EQ(std::tuple(found.cx, found.cy, found.radius), // 52 + (267 - 52) div 2
              std::tuple(159, 119, 106));
}

// The edges of a disc of radius 100 at (160, 120) put the centre at X' = 162 (knife right: the
// left edge, first dark column 60 + Rp + 2) or 158 (knife left: the right edge, last lit + 1 -
// Rp - 2) and at Y' = 121 (the column 70 pixels out on that side is dark from rows 48 and 192
// outwards); the circle moves halfway there when within 3 pixels on both axes.
TEST(MirrorTracker, FollowsTheDriftingBenchMirrorFromTheEdgeAwayFromTheKnife) {
    for (bool knifeRight : {true, false}) {
        SimulatedBench bench = benchShowing(160, 120, 100, 0.5);
        QImage frame;
        bench.grab(frame);
        MirrorCircle circle{160, 120, 100}, near{160, 118, 100}, far{160, 117, 100};
        const TrackOutcome seen = trackMirror(frame, circle, knifeRight);
        EXPECT_EQ(std::tuple(seen.column, seen.top, seen.bottom, seen.foundX, seen.foundY, circle.x,
                             circle.y),
                  std::tuple(knifeRight ? 90 : 230, 48, 192, knifeRight ? 162 : 158, 121,
                             knifeRight ? 161 : 159, 120));
        EXPECT_EQ(std::pair(trackMirror(frame, near, knifeRight).moved, near.y),
                  std::pair(true, 119));
        EXPECT_EQ(std::pair(trackMirror(frame, far, knifeRight).moved, far.y),
                  std::pair(false, 117));
        for (int i = 0; i < 60; ++i) {
            bench.grab(frame);
            EXPECT_TRUE(trackMirror(frame, circle, knifeRight).moved) << i;
        }
        EXPECT_NEAR(circle.x, bench.imageCenter().x(), 3);
        EXPECT_NEAR(circle.y, 120, 1);
    }
    for (QRgb surround : {qRgb(0, 0, 0), qRgb(255, 255, 255)}) { // no contrast: lost
        QImage uniform(320, 240, QImage::Format_RGB32);
        uniform.fill(surround);
        MirrorCircle circle;
        const TrackOutcome lost = trackMirror(uniform, circle, true);
        EXPECT_FALSE(lost.moved || lost.top || lost.bottom);
    }
}
