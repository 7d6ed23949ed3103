#pragma once

#include "capture/FrameSource.h"

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>

namespace orvane {

// Where a camera frame of any size sits on the 320 x 240 picture: scaled to fit whole, centred,
// its shape kept. Coordinates are pixel centres, as the sliders and the analysis use them.
struct FrameMapping {
    QSize camera{PictureWidth, PictureHeight};
    double scale = 1; // picture pixels per camera pixel
    QPointF offset{}; // the frame's top-left corner on the picture

    static FrameMapping of(QSize cameraSize);

    bool identity() const { return camera == QSize(PictureWidth, PictureHeight); }
    // Camera pixels per picture pixel.
    double zoom() const { return 1 / scale; }
    QPointF toCamera(QPointF picturePoint) const;
    QPointF toPicture(QPointF cameraPoint) const;
    // The camera pixels a picture rectangle covers, its edges rounded to whole pixels; at least
    // one pixel each way.
    QRect toCamera(const QRect& pictureRect) const;
};

// The frame as the program's picture: 320 x 240, 32-bit RGB, dark where the frame does not
// reach; null when the frame is.
QImage pictureOf(const QImage& frame);

} // namespace orvane
