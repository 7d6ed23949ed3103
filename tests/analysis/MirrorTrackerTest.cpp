#include "analysis/MirrorTracker.h"
#include "AnalysisFakes.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

// The disc of radius 100 at (160, 120) lights column 230 from row 49 to 191 and row 121 from
// column 61 to 259; the tracker places the centre at X' = 158 (right side: last lit + 1 - Rp - 2)
// and Y' = 121 (midway between the first dark rows, plus one).

TEST(MirrorTracker, MovesHalfwayWhenTheEdgeIsWithinThreePixels) {
    const QImage disc = discFrame(160, 120, 100);
    MirrorCircle centred{160, 120, 100};
    TrackOutcome out = trackMirror(disc, centred, false);
    EXPECT_EQ(out.column, 230);
    EXPECT_EQ(out.top, 48);
    EXPECT_EQ(out.bottom, 192);
    EXPECT_EQ(out.foundX, 158);
    EXPECT_EQ(out.foundY, 121);
    EXPECT_TRUE(out.moved);
    EXPECT_EQ(centred.x, 159);
    EXPECT_EQ(centred.y, 120);

    MirrorCircle offset{161, 118, 100}; // 3 off on both axes
    out = trackMirror(disc, offset, false);
    EXPECT_EQ(out.foundX, 158);
    EXPECT_EQ(out.foundY, 121);
    EXPECT_TRUE(out.moved);
    EXPECT_EQ(offset.x, 159); // (161 + 158) div 2
    EXPECT_EQ(offset.y, 119); // (118 + 121) div 2
    EXPECT_EQ(offset.radius, 100);
}

TEST(MirrorTracker, FourPixelsOffOnEitherAxisChangesNothing) {
    const QImage disc = discFrame(160, 120, 100);
    MirrorCircle farX{162, 118, 100};
    TrackOutcome out = trackMirror(disc, farX, false);
    EXPECT_EQ(out.foundX, 158);
    EXPECT_FALSE(out.moved);
    EXPECT_EQ(farX.x, 162);
    EXPECT_EQ(farX.y, 118);

    MirrorCircle farY{160, 117, 100};
    out = trackMirror(disc, farY, false);
    EXPECT_EQ(out.foundY, 121);
    EXPECT_FALSE(out.moved);
    EXPECT_EQ(farY.y, 117);
}

TEST(MirrorTracker, KnifeSideDecidesWhichEdgeIsFollowed) {
    const QImage disc = discFrame(160, 120, 100);
    MirrorCircle circle{160, 120, 100};
    const TrackOutcome left = trackMirror(disc, circle, true);
    EXPECT_EQ(left.column, 90);
    EXPECT_EQ(left.foundX, 162); // first dark column 60 + Rp + 2
    EXPECT_EQ(circle.x, 161);

    // Only the right half lit: the knife-left tracker still finds its edge, the knife-right one
    // sees no side edge and no top or bottom on its column.
    QImage rightHalf = disc;
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 160; ++x)
            rightHalf.setPixel(x, y, qRgb(0, 0, 0));
    MirrorCircle a{160, 120, 100};
    EXPECT_TRUE(trackMirror(rightHalf, a, false).moved);
    MirrorCircle b{160, 120, 100};
    const TrackOutcome lost = trackMirror(rightHalf, b, true);
    EXPECT_FALSE(lost.moved);
    EXPECT_EQ(lost.top, 0);
    EXPECT_EQ(b.x, 160);
}

TEST(MirrorTracker, NoContrastOrBrightSurroundIsAFailure) {
    for (const QRgb level : {qRgb(0, 0, 0), qRgb(255, 255, 255)}) {
        MirrorCircle circle{160, 120, 100};
        const TrackOutcome out = trackMirror(uniformFrame(level), circle, false);
        EXPECT_FALSE(out.moved);
        EXPECT_EQ(out.top, 0);
        EXPECT_EQ(out.bottom, 0);
        EXPECT_EQ(out.foundX, 160);
        EXPECT_EQ(circle.x, 160);
        EXPECT_EQ(circle.y, 120);
    }
}
