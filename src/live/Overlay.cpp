#include "live/Overlay.h"

#include "core/NumberText.h"
#include "live/PictureStyle.h"
#include "live/StatusTexts.h"

#include <QPainter>
#include <cmath>

namespace orvane {

void drawMirrorOutline(QPainter& painter, const MirrorCircle& circle) {
    painter.setPen(colours::Magenta);
    painter.setBrush(Qt::NoBrush);
    // The cross-hair stops short of the overlay's text lines, so they stay readable.
    const QRectF band = crossHairBand(painter);
    painter.drawLine(QPointF(circle.x, band.top()), QPointF(circle.x, band.bottom()));
    painter.drawLine(QPointF(0, circle.y), QPointF(PictureWidth, circle.y));
    painter.drawEllipse(QPointF(circle.x, circle.y), circle.radius, circle.radius);
}

void drawObstruction(QPainter& painter, const MirrorCircle& circle, const MirrorData& mirror) {
    const qint64 unitsAcross = roundToInt(mirror.MirDiam / 2);
    if (unitsAcross == 0)
        return; // no scale for a mirror under one unit across
    const qint64 pixelsPerUnit = divTrunc(circle.radius, unitsAcross);
    const double radius = mirror.Obst / 2 * pixelsPerUnit;
    // A circle round a centre on the picture and wider than its diagonal lies wholly off it.
    if (!(radius <= std::hypot(PictureWidth, PictureHeight)))
        return;
    painter.setPen(colours::Cyan);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(circle.x, circle.y), radius, radius);
}

void drawZoneTicks(QPainter& painter, const MirrorCircle& circle, double centerFrac) {
    const double offset = circle.radius * centerFrac;
    painter.setPen(colours::Magenta);
    for (const double x : {circle.x - offset, circle.x + offset})
        painter.drawLine(QPointF(x, circle.y + 5), QPointF(x, circle.y - 5));
}

void drawTrackMarks(QPainter& painter, const TrackOutcome& outcome) {
    if (!outcome.moved) {
        painter.setPen(colours::VideoText);
        printAt(painter, QPointF(100, 35), QStringLiteral("Tracking Failure!!!"));
    }
    painter.setPen(colours::White);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(outcome.column, outcome.top), 5, 5);
    painter.drawEllipse(QPointF(outcome.column, outcome.bottom), 5, 5);
}

} // namespace orvane
