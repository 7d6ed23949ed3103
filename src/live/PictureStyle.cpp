#include "live/PictureStyle.h"

#include <QFontMetrics>
#include <QPainter>

namespace orvane {

QFont pictureFont(int points, bool bold) {
    QFont font;
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}

void printAt(QPainter& painter, QPointF topLeft, const QString& text) {
    const QFontMetrics metrics(painter.font());
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
}

int printLineHeight(const QPainter& painter) {
    return QFontMetrics(painter.font()).height();
}

namespace {
QImage paintable(const QImage& frame) {
    if (frame.isNull()) {
        QImage black(PictureWidth, PictureHeight, QImage::Format_RGB32);
        black.fill(Qt::black);
        return black;
    }
    switch (frame.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return frame; // shared until the first paint detaches it
    default:
        return frame.convertToFormat(QImage::Format_RGB32);
    }
}

} // namespace

QImage paintableCopy(const QImage& frame, qreal devicePixelRatio) {
    QImage picture = paintable(frame);
    if (devicePixelRatio <= 1)
        return picture;
    QImage sharp = picture.scaled(picture.size() * devicePixelRatio, Qt::IgnoreAspectRatio,
                                  Qt::SmoothTransformation);
    sharp.setDevicePixelRatio(devicePixelRatio);
    return sharp;
}

QSize pictureSize(const QImage& picture) {
    return picture.deviceIndependentSize().toSize();
}

void clearPicture(QImage& picture) {
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    picture.fill(colours::BoxBackground);
}

} // namespace orvane
