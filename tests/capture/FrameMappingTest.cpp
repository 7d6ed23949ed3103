#include "capture/FrameMapping.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace orvane;

// A frame of each shape fits the picture whole and centred; a point goes there and back.
TEST(FrameMapping, FramesOfAnyShapeFitThePictureWholeAndCentred) {
    const struct {
        QSize camera;
        double scale;
        QPointF offset;
        QPointF cameraCentre; // of the frame, in its pixels
    } cases[] = {
        {{320, 240}, 1, {0, 0}, {159.5, 119.5}},
        {{1280, 960}, 0.25, {0, 0}, {639.5, 479.5}},
        {{1280, 720}, 0.25, {0, 30}, {639.5, 359.5}},
        {{1920, 1080}, 1 / 6.0, {0, 30}, {959.5, 539.5}},
        {{480, 480}, 0.5, {40, 0}, {239.5, 239.5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.camera.width());
        const FrameMapping m = FrameMapping::of(c.camera);
        EXPECT_DOUBLE_EQ(m.scale, c.scale);
        EXPECT_EQ(m.offset, c.offset);
        EXPECT_EQ(m.identity(), c.camera == QSize(320, 240));
        const QPointF centre = m.toPicture(c.cameraCentre);
        EXPECT_NEAR(centre.x(), 159.5, 1e-9);
        EXPECT_NEAR(centre.y(), 119.5, 1e-9);
        const QPointF back = m.toCamera(m.toPicture({17, 23}));
        EXPECT_NEAR(back.x(), 17, 1e-9);
        EXPECT_NEAR(back.y(), 23, 1e-9);
        // A picture pixel covers zoom x zoom camera pixels.
        const QRect window = m.toCamera(QRect(100, 100, 1, 7));
        EXPECT_EQ(window.size(), QSize(int(1 / c.scale), int(7 / c.scale)));
    }
}

// A wide frame's round mirror stays round on the picture, with dark bands above and below.
TEST(FrameMapping, AWideFrameKeepsItsMirrorRound) {
    QImage frame(1280, 720, QImage::Format_RGB32);
    frame.fill(Qt::darkGray);
    QPainter painter(&frame);
    painter.setBrush(Qt::white);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(640, 360), 300, 300);
    painter.end();
    const QImage picture = pictureOf(frame);
    ASSERT_EQ(picture.size(), QSize(320, 240));
    auto extent = [&](bool across) { // white pixels through the centre, across or down
        int count = 0;
        for (int p = 0; p < (across ? 320 : 240); ++p)
            count += picture.pixelColor(across ? p : 160, across ? 120 : p) == Qt::white;
        return count;
    };
    EXPECT_NEAR(extent(true), 150, 2);
    EXPECT_NEAR(extent(false), 150, 2);
    EXPECT_EQ(picture.pixelColor(10, 10), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(10, 40), QColor(Qt::darkGray));
    EXPECT_EQ(picture.pixelColor(10, 230), QColor(Qt::black));
}
