#include "analysis/Overlay.h"
#include "analysis/PictureStyle.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

QImage blackPicture() {
    QImage picture(320, 240, QImage::Format_RGB32);
    picture.fill(Qt::black);
    return picture;
}

// Columns of row y that hold `colour`.
std::vector<int> columnsOf(const QImage& image, int y, const QColor& colour) {
    std::vector<int> xs;
    for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) == colour)
            xs.push_back(x);
    return xs;
}

} // namespace

TEST(Overlay, ObstructionScaleIsWholePixelsPerUnit) {
    MirrorData mirror;
    mirror.MirDiam = 5; // round(2.5) = 2 (halves to even): 62 pixels per unit for Rp 125
    mirror.Obst = 2;
    QImage picture = blackPicture();
    {
        QPainter painter(&picture);
        drawObstruction(painter, MirrorCircle{160, 120, 125}, mirror);
    }
    const std::vector<int> cyan = columnsOf(picture, 120, colours::Cyan);
    ASSERT_EQ(cyan.size(), 2u);
    EXPECT_NEAR(cyan.front(), 160 - 62, 1);
    EXPECT_NEAR(cyan.back(), 160 + 62, 1);
}

TEST(Overlay, ObstructionNeedsAMirrorOfAtLeastOneUnit) {
    MirrorData mirror;
    mirror.MirDiam = 0;
    mirror.Obst = 2;
    QImage picture = blackPicture();
    {
        QPainter painter(&picture);
        drawObstruction(painter, MirrorCircle{160, 120, 125}, mirror);
    }
    EXPECT_TRUE(columnsOf(picture, 120, colours::Cyan).empty());
}

TEST(Overlay, ZoneWindowsRoundHalvesToEvenAndTicksSpanElevenRows) {
    const MirrorCircle circle{160, 120, 100};
    const WindowColumns halves = zoneWindowColumns(circle, 0.125); // 147.5 and 172.5
    EXPECT_EQ(halves.left, 148);
    EXPECT_EQ(halves.right, 172);
    const WindowColumns plain = zoneWindowColumns(circle, 0.3); // 130 and 190
    EXPECT_EQ(plain.left, 130);
    EXPECT_EQ(plain.right, 190);

    QImage picture = blackPicture();
    {
        QPainter painter(&picture);
        drawZoneTicks(painter, circle, 0.3);
    }
    for (int y = 115; y <= 125; ++y)
        EXPECT_EQ(columnsOf(picture, y, colours::Magenta), (std::vector<int>{130, 190})) << y;
    EXPECT_TRUE(columnsOf(picture, 114, colours::Magenta).empty());
    EXPECT_TRUE(columnsOf(picture, 126, colours::Magenta).empty());
}

TEST(Overlay, OutlineIsACrosshairAndACircle) {
    QImage picture = blackPicture();
    {
        QPainter painter(&picture);
        drawMirrorOutline(painter, MirrorCircle{100, 90, 40});
    }
    EXPECT_EQ(columnsOf(picture, 10, colours::Magenta), std::vector<int>{100});
    const std::vector<int> across = columnsOf(picture, 90, colours::Magenta);
    EXPECT_EQ(across.size(), 320u);
    const std::vector<int> row70 = columnsOf(picture, 70, colours::Magenta); // 20 above centre
    ASSERT_EQ(row70.size(), 3u);
    EXPECT_NEAR(row70.front(), 100 - 35, 1); // sqrt(40^2 - 20^2) = 34.6
    EXPECT_NEAR(row70.back(), 100 + 35, 1);
}
