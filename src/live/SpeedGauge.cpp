#include "live/SpeedGauge.h"

#include "live/PictureStyle.h"

#include <QPainter>

namespace orvane {

namespace {
const QColor& gaugeColour(int percent) {
    if (percent < 70)
        return colours::Green;
    if (percent <= 95)
        return colours::Yellow;
    return colours::Red;
}
} // namespace

void drawSpeedCaption(QImage& picture3) {
    if (picture3.isNull())
        return;
    clearPicture(picture3, picture3.size());
    QPainter painter(&picture3);
    painter.setFont(pictureFont(8));
    painter.setPen(colours::BoxText);
    printAt(painter, QPointF(picture3.width() / 2 - 20, 0), QStringLiteral("% Spd"));
}

void drawSpeedGauge(QImage& picture3, int SpeedPercent) {
    if (picture3.isNull())
        return;
    drawSpeedCaption(picture3);
    QPainter painter(&picture3);
    painter.setPen(gaugeColour(SpeedPercent));
    const int w = picture3.width() - 5;
    const int h = picture3.height() - 25;
    const QPointF foot(0, h + 20);
    const double tip = h - h * SpeedPercent / 100.0 + 15;
    for (int x = 0; x <= w; ++x)
        painter.drawLine(foot, QPointF(x, tip));
}

void drawVideoOffNotice(QImage& picture3) {
    if (picture3.isNull())
        return;
    QPainter painter(&picture3);
    painter.setFont(pictureFont(10, true));
    painter.setPen(colours::Green);
    const int y = picture3.height() / 2 - 10;
    printAt(painter, QPointF(2, y), QStringLiteral("Vid"));
    printAt(painter, QPointF(2, y + printLineHeight(painter)), QStringLiteral("OFF!"));
}

} // namespace orvane
