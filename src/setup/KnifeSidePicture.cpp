#include "setup/KnifeSidePicture.h"

#include <QPainter>
#include <QPainterPath>

namespace orvane {

namespace {
const QColor Background(250, 250, 245);
const QColor MirrorColour(90, 120, 170);
const QColor OutgoingLight(255, 230, 120, 110);
const QColor ReturningLight(255, 210, 80, 150);
const QColor TextColour(40, 40, 40);
} // namespace

QImage knifeSidePicture(bool knifeRight, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const double w = size.width();
    const double h = size.height();
    const double side = knifeRight ? 1.0 : -1.0;
    const double testerY = h * 0.72;
    const QPointF source(w / 2 - side * w * 0.1, testerY);
    const QPointF focus(w / 2 + side * w * 0.1, testerY);
    const QPointF mirrorLeft(w * 0.15, h * 0.16);
    const QPointF mirrorRight(w * 0.85, h * 0.16);

    p.setPen(Qt::NoPen);
    p.setBrush(OutgoingLight);
    p.drawPolygon(QPolygonF({source, mirrorLeft, mirrorRight}));
    p.setBrush(ReturningLight);
    p.drawPolygon(QPolygonF({focus, mirrorLeft, mirrorRight}));

    QPainterPath mirror(mirrorLeft);
    mirror.quadTo(QPointF(w / 2, h * 0.04), mirrorRight);
    p.setPen(QPen(MirrorColour, std::max(3.0, h * 0.03), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mirror);

    // The blade comes from outside and ends in a bevelled edge at the returning focus.
    const double bladeLength = w * 0.28;
    const double bladeHalfHeight = h * 0.05;
    const QPointF edge = focus;
    const QPolygonF blade({edge, QPointF(edge.x() + side * w * 0.04, edge.y() - bladeHalfHeight),
                           QPointF(edge.x() + side * bladeLength, edge.y() - bladeHalfHeight),
                           QPointF(edge.x() + side * bladeLength, edge.y() + bladeHalfHeight),
                           QPointF(edge.x() + side * w * 0.04, edge.y() + bladeHalfHeight)});
    p.setPen(Qt::NoPen);
    p.setBrush(KnifeColour);
    p.drawPolygon(blade);

    const double sourceRadius = std::max(3.0, h * 0.05);
    p.setBrush(LightSourceColour);
    p.drawEllipse(source, sourceRadius, sourceRadius);

    QFont font = p.font();
    font.setPixelSize(std::max(8, int(h * 0.08)));
    p.setFont(font);
    p.setPen(TextColour);
    const double labelTop = testerY + bladeHalfHeight + h * 0.04;
    const double labelWidth = w * 0.4;
    p.drawText(QRectF(source.x() - labelWidth / 2, labelTop, labelWidth, h - labelTop),
               Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Light"));
    const double knifeLabelX = edge.x() + side * bladeLength / 2;
    p.drawText(QRectF(knifeLabelX - labelWidth / 2, labelTop, labelWidth, h - labelTop),
               Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Knife"));
    p.drawText(QRectF(0, h * 0.17, w, h * 0.12), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Mirror"));
    return image;
}

QString knifeSelectionText(bool knifeRight) {
    return knifeRight ? QStringLiteral("Current Selection Places Knife on Right!")
                      : QStringLiteral("Current Selection Places Knife on Left!");
}

} // namespace orvane
