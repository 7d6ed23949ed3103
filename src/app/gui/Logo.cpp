#include "app/gui/Logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace orvane {

QPixmap orvaneLogo(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF mirror(size * 0.08, size * 0.08, size * 0.84, size * 0.84);

    QLinearGradient shadow(mirror.topLeft(), mirror.topRight());
    shadow.setColorAt(0.0, QColor(20, 20, 30));
    shadow.setColorAt(0.45, QColor(120, 120, 140));
    shadow.setColorAt(1.0, QColor(235, 235, 245));
    painter.setPen(QPen(QColor(60, 60, 70), size / 32.0));
    painter.setBrush(shadow);
    painter.drawEllipse(mirror);

    QRadialGradient doughnut(mirror.center(), mirror.width() / 2);
    doughnut.setColorAt(0.55, QColor(255, 255, 255, 0));
    doughnut.setColorAt(0.8, QColor(255, 255, 255, 70));
    doughnut.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(doughnut);
    painter.drawEllipse(mirror);

    // The knife edge cutting in from the left.
    painter.setBrush(QColor(190, 40, 40));
    painter.drawRect(QRectF(0, size * 0.46, size * 0.42, size * 0.08));
    return pixmap;
}

} // namespace orvane
