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

void drawSpeedCaption(QImage& speedGauge) {
    if (speedGauge.isNull())
        return;
    clearPicture(speedGauge);
    QPainter painter(&speedGauge);
    painter.setFont(pictureFont(8));
    painter.setPen(colours::BoxText);
    printAt(painter, QPointF(pictureSize(speedGauge).width() / 2 - 20, 0), QStringLiteral("% Spd"));
}

void drawSpeedGauge(QImage& speedGauge, int SpeedPercent) {
    if (speedGauge.isNull())
        return;
    drawSpeedCaption(speedGauge);
    QPainter painter(&speedGauge);
    painter.setPen(gaugeColour(SpeedPercent));
    const int w = pictureSize(speedGauge).width() - 5;
    const int h = pictureSize(speedGauge).height() - 25;
    const QPointF foot(0, h + 20);
    const double tip = h - h * SpeedPercent / 100.0 + 15;
    for (int x = 0; x <= w; ++x)
        painter.drawLine(foot, QPointF(x, tip));
}

void drawVideoOffNotice(QImage& speedGauge) {
    if (speedGauge.isNull())
        return;
    QPainter painter(&speedGauge);
    painter.setFont(pictureFont(10, true));
    painter.setPen(colours::Green);
    const int y = pictureSize(speedGauge).height() / 2 - 10;
    printAt(painter, QPointF(2, y), QStringLiteral("Vid"));
    printAt(painter, QPointF(2, y + printLineHeight(painter)), QStringLiteral("OFF!"));
}

} // namespace orvane
