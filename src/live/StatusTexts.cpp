#include "live/StatusTexts.h"

#include "core/AppState.h"
#include "core/NumberText.h"
#include "core/Settings.h"
#include "core/SimulatedBenchUse.h"
#include "live/PictureStyle.h"

#include <QPainter>

namespace orvane {

namespace {
constexpr int StatusLineTop = 215;
constexpr int TopLine = 1;

int frameRateLineTop(const QPainter& painter) {
    return TopLine + printLineHeight(painter);
}
} // namespace

QRectF crossHairBand(const QPainter& painter) {
    const int top = frameRateLineTop(painter) + printLineHeight(painter);
    const int bottom = StatusLineTop - printLineHeight(painter);
    return QRectF(0, top, PictureWidth, bottom - top);
}

QString knifeTravelText(int Ypos, const Settings& settings) {
    const double factor = settings.Metric ? MillimetresPerInch : 1.0;
    return QStringLiteral("Knife Travel = ") +
           numberText(roundHalfEven(Ypos * settings.StepSize * factor, 4)) + settings.units();
}

void drawKnifeTravel(QPainter& painter, int Ypos, const Settings& settings) {
    painter.setPen(colours::VideoText);
    printAt(painter, QPointF(1, StatusLineTop), knifeTravelText(Ypos, settings));
}

void drawStatusTexts(QPainter& painter, int Ypos, const Settings& settings,
                     const QString& MotorStatus, const MirrorData& mirror) {
    drawKnifeTravel(painter, Ypos, settings);
    printAt(painter, QPointF(200, StatusLineTop), MotorStatus);
    if (!mirror.WorkFile.isEmpty()) {
        const QString s = QStringLiteral("Using File ") + mirror.WorkFile +
                          QStringLiteral("  Test #") + QString::number(mirror.WorkNum);
        const int width = painter.fontMetrics().horizontalAdvance(s);
        printAt(painter, QPointF((PictureWidth - width) / 2, TopLine), s);
    }
}

void drawFrameRate(QPainter& painter, qint64 figure) {
    painter.setPen(colours::VideoText);
    // The line below the file line, at the right edge, clear of the file line and the cross-hair.
    const QString text = QString::number(figure) + QStringLiteral(" FPS");
    const int width = painter.fontMetrics().horizontalAdvance(text);
    printAt(painter, QPointF(PictureWidth - width - 2, frameRateLineTop(painter)), text);
}

void drawSimulatedBench(QPainter& painter, const SimulatedBenchUse& use) {
    if (!use.active())
        return;
    // Its own line just above the knife travel, where no other text of the overlay goes; a
    // long file name is shortened rather than run off the picture.
    const QString text = painter.fontMetrics().elidedText(simulatedBenchText(use), Qt::ElideMiddle,
                                                          PictureWidth - 2);
    const QPointF topLeft(1, StatusLineTop - printLineHeight(painter));
    // A dark band under it: the line crosses the lit mirror, where yellow alone is hard to read.
    painter.fillRect(QRectF(topLeft, QSizeF(painter.fontMetrics().horizontalAdvance(text),
                                            printLineHeight(painter))),
                     QColor(0, 0, 0, 160));
    painter.setPen(colours::VideoText);
    printAt(painter, topLeft, text);
}

} // namespace orvane
