#include "live/BarGraph.h"

#include "core/NumberText.h"
#include "live/PictureStyle.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace orvane {

namespace {
constexpr double FullScale = 256.0;
constexpr int SmallestLabelPixels = 6; // still legible
constexpr int LabelGapPixels = 2;      // between one slot's label and the next one's

int rounded(double v) {
    return static_cast<int>(roundToInt(v));
}

void drawBar(QPainter& painter, double left, const BarLayout& layout, int value,
             const QColor& colour) {
    const double height = value / FullScale * layout.H;
    painter.fillRect(
        QRect(rounded(left), rounded((layout.H - 5) - height), layout.T, rounded(height)), colour);
}
} // namespace

BarLayout barLayout(const QImage& zoneBars, int zoneCount) {
    BarLayout layout;
    const QSize size = pictureSize(zoneBars);
    layout.W = zoneCount > 0 ? size.width() / zoneCount : 0;
    layout.T = layout.W / 3;
    layout.H = size.height();
    return layout;
}

QFont barLabelFont(const BarLayout& layout, int zoneCount) {
    QFont font = pictureFont(8);
    const QString widest = QStringLiteral("Zone ") + QString::number(zoneCount);
    while (font.pixelSize() > SmallestLabelPixels &&
           QFontMetrics(font).horizontalAdvance(widest) > layout.W - LabelGapPixels)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

void drawZoneBars(QPainter& painter, const BarLayout& layout, int zone, int LZV, int RZV) {
    const int x0 = (zone - 1) * layout.W;
    const double t = layout.T;
    drawBar(painter, x0 + t / 2, layout, LZV, colours::Blue);
    drawBar(painter, x0 + t / 2 + t, layout, RZV, colours::Red);

    painter.setPen(colours::Magenta);
    painter.drawLine(zone * layout.W, layout.H, zone * layout.W, 0);

    painter.setPen(colours::BoxText);
    printAt(painter, QPointF(x0 + 1.5 * t - 14, 0),
            QStringLiteral("Zone ") + QString::number(zone));
    printAt(painter, QPointF(x0 + t - 12, (layout.H - 16) - LZV / FullScale * layout.H),
            QString::number(LZV));
    printAt(painter, QPointF(x0 + 2 * t - 12, (layout.H - 16) - RZV / FullScale * layout.H),
            QString::number(RZV));
}

} // namespace orvane
