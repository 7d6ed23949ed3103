#include "analysis/AutoCentre.h"
#include "AnalysisFakes.h"
#include "analysis/PictureStyle.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

TEST(AutoCentre, FindsABrightDisc) {
    for (const auto& [cx, cy, r, click] :
         {std::tuple{150, 110, 80, QPointF(150.4, 109.6)},
          std::tuple{175, 130, 95, QPointF(140, 150)}, std::tuple{120, 100, 40, QPointF(110, 95)},
          // Wider than 110 pixels each side: the vertical scans use the column 30 in from the
          // left edge.
          std::tuple{160, 120, 115, QPointF(160, 120)}}) {
        const AutoCentreResult found = autoCentreSize(discFrame(cx, cy, r), click);
        EXPECT_EQ(found.status, AutoCentreStatus::Accepted);
        EXPECT_NEAR(found.cx, cx, 2);
        EXPECT_NEAR(found.cy, cy, 2);
        EXPECT_NEAR(found.radius, r, 2);
    }
}

TEST(AutoCentre, ContrastOfEachFourPixelSumIsTruncatedByThree) {
    // A faint rectangle (level 3 on level 2): per-sum truncation puts every edge 2 pixels
    // inside the rectangle (x 50..269, y 20..219).
    QImage frame = uniformFrame(qRgb(2, 2, 2));
    for (int y = 20; y < 220; ++y)
        for (int x = 50; x < 270; ++x)
            frame.setPixel(x, y, qRgb(3, 3, 3));
    const AutoCentreResult found = autoCentreSize(frame, QPointF(160, 120));
    EXPECT_EQ(found.cx, 159); // 52 + (267 - 52) div 2
    EXPECT_EQ(found.cy, 119); // 22 + (217 - 22) div 2
    EXPECT_EQ(found.radius, 106);
}

TEST(AutoCentre, DarkImageIsRefused) {
    const AutoCentreResult found = autoCentreSize(uniformFrame(qRgb(0, 0, 0)), QPointF(160, 120));
    EXPECT_EQ(found.status, AutoCentreStatus::OutOfRange);
    EXPECT_EQ(found.cx, 0);
    EXPECT_EQ(found.cy, 0);
    EXPECT_EQ(found.radius, -1);
}

TEST(AutoCentre, ScansStartingBeyondTheirLimitsKeepTheirEdge) {
    // Click left of x = 4: the left scans do not run and the left edge stays 0.
    const AutoCentreResult nearLeft = autoCentreSize(discFrame(30, 120, 26), QPointF(2, 120));
    EXPECT_EQ(nearLeft.status, AutoCentreStatus::Accepted);
    EXPECT_EQ(nearLeft.cx, 28); // 0 + (56 - 0) div 2
    EXPECT_EQ(nearLeft.radius, 27);

    // Click below y = 232: the bottom scan does not run, so the bottom edge stays 0 and the
    // centre row lands halfway between row 0 and the top edge.
    const AutoCentreResult nearBottom = autoCentreSize(discFrame(160, 200, 60), QPointF(160, 233));
    EXPECT_EQ(nearBottom.cy, 70); // 140 + (0 - 140) div 2
    EXPECT_EQ(nearBottom.cx, 160);
    EXPECT_EQ(nearBottom.radius, 49); // row 70 is dark: the first row's edges 110 and 210 stay

    // Click right of x = 316: the right scans do not run, the right edge stays 0 and the
    // result falls outside the sliders.
    EXPECT_EQ(autoCentreSize(discFrame(160, 120, 50), QPointF(318, 120)).status,
              AutoCentreStatus::OutOfRange);
}

TEST(AutoCentre, CameraClickMovesTheCircleOnlyWhenAccepted) {
    ScriptedFrameSource camera;
    camera.frames = {discFrame(150, 110, 80)};
    MirrorCircle circle;
    QImage picture1;
    const AutoCentreResult found =
        autoCentreFromCamera(camera, QPointF(150, 110), circle, picture1);
    EXPECT_EQ(found.status, AutoCentreStatus::Accepted);
    EXPECT_EQ(circle.x, found.cx);
    EXPECT_EQ(circle.y, found.cy);
    EXPECT_EQ(circle.radius, found.radius);
    EXPECT_EQ(picture1.pixelColor(found.cx, 3), colours::Magenta);
    EXPECT_EQ(picture1.pixelColor(3, found.cy), colours::Magenta);

    camera.frames = {uniformFrame(qRgb(0, 0, 0))};
    const MirrorCircle before = circle;
    EXPECT_EQ(autoCentreFromCamera(camera, QPointF(150, 110), circle, picture1).status,
              AutoCentreStatus::OutOfRange);
    EXPECT_EQ(circle.x, before.x);
    EXPECT_EQ(circle.radius, before.radius);
    EXPECT_EQ(picture1.pixelColor(3, 0), colours::Magenta); // the refused result is still shown

    camera.frames.clear();
    const QImage shown = picture1;
    EXPECT_EQ(autoCentreFromCamera(camera, QPointF(150, 110), circle, picture1).status,
              AutoCentreStatus::NoFrame);
    EXPECT_EQ(circle.x, before.x);
    EXPECT_EQ(picture1, shown);
}
