#include "live/StatusTexts.h"

#include "core/AppState.h"
#include "core/NumberText.h"
#include "core/Settings.h"
#include "core/SimulatedBenchUse.h"
#include "live/PictureStyle.h"

#include <QPainter>

namespace orvane {

namespace {
constexpr int CharWidth = 7; // the centring assumes 7 pixels a character
constexpr int StatusLineTop = 215;
} // namespace

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
        printAt(painter, QPointF(PictureWidth / 2 - (s.size() * CharWidth) / 2, 1), s);
    }
}

void drawFrameRate(QPainter& painter, qint64 figure) {
    painter.setPen(colours::VideoText);
    printAt(painter, QPointF(140, 15), QString::number(figure) + QStringLiteral(" FPS"));
}

void drawSimulatedBench(QPainter& painter, const SimulatedBenchUse& use) {
    if (!use.active())
        return;
    // Its own line just above the knife travel, where no other text of the overlay goes; a
    // long file name is shortened rather than run off the picture.
    const QString text = painter.fontMetrics().elidedText(simulatedBenchText(use), Qt::ElideMiddle,
                                                          PictureWidth - 2);
    painter.setPen(colours::VideoText);
    printAt(painter, QPointF(1, StatusLineTop - printLineHeight(painter)), text);
}

} // namespace orvane
