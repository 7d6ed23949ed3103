#include "capture/FrameMapping.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orvane {

FrameMapping FrameMapping::of(QSize cameraSize) {
    FrameMapping m;
    if (cameraSize.isEmpty())
        return m;
    m.camera = cameraSize;
    m.scale = std::min(double(PictureWidth) / cameraSize.width(),
                       double(PictureHeight) / cameraSize.height());
    m.offset = QPointF((PictureWidth - cameraSize.width() * m.scale) / 2,
                       (PictureHeight - cameraSize.height() * m.scale) / 2);
    return m;
}

// Pixel p covers [p, p + 1); its centre is p + 0.5 on both grids.
QPointF FrameMapping::toCamera(QPointF picturePoint) const {
    const QPointF half(0.5, 0.5);
    return (picturePoint + half - offset) / scale - half;
}

QPointF FrameMapping::toPicture(QPointF cameraPoint) const {
    const QPointF half(0.5, 0.5);
    return (cameraPoint + half) * scale + offset - half;
}

QRect FrameMapping::toCamera(const QRect& pictureRect) const {
    auto edge = [&](double pictureEdge, double shift) {
        return int(std::lround((pictureEdge - shift) / scale));
    };
    const int left = edge(pictureRect.left(), offset.x());
    const int top = edge(pictureRect.top(), offset.y());
    const int right = edge(pictureRect.left() + pictureRect.width(), offset.x());
    const int bottom = edge(pictureRect.top() + pictureRect.height(), offset.y());
    return QRect(left, top, std::max(right - left, 1), std::max(bottom - top, 1));
}

QImage pictureOf(const QImage& frame) {
    if (frame.isNull())
        return {};
    const FrameMapping mapping = FrameMapping::of(frame.size());
    if (mapping.identity())
        return frame.convertToFormat(QImage::Format_RGB32);
    const QSize fitted(int(std::lround(frame.width() * mapping.scale)),
                       int(std::lround(frame.height() * mapping.scale)));
    // Nearest pixels: the picture is only looked at, and a smooth scale of a large frame would
    // cost the live loop more than the measuring does.
    const QImage scaled = frame.scaled(fitted, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage picture(PictureWidth, PictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.drawImage(QPointF(std::round(mapping.offset.x()), std::round(mapping.offset.y())),
                      scaled);
    return picture;
}

} // namespace orvane
