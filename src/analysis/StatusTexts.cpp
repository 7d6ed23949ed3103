#include "analysis/StatusTexts.h"

#include "analysis/PictureStyle.h"
#include "app/core/AppState.h"
#include "app/core/NumberText.h"
#include "app/core/Settings.h"

#include <QPainter>

namespace orvane {

namespace {
constexpr int CharWidth = 7; // the centring assumes 7 pixels a character
} // namespace

QString knifeTravelText(int Ypos, const Settings& settings) {
    const double factor = settings.Metric ? MillimetresPerInch : 1.0;
    return QStringLiteral("Knife Travel = ") +
           numberText(roundHalfEven(Ypos * settings.StepSize * factor, 4)) + settings.units();
}

void drawKnifeTravel(QPainter& painter, int Ypos, const Settings& settings) {
    painter.setPen(colours::VideoText);
    printAt(painter, QPointF(1, 215), knifeTravelText(Ypos, settings));
}

void drawStatusTexts(QPainter& painter, int Ypos, const Settings& settings,
                     const QString& MotorStatus, const MirrorData& mirror) {
    drawKnifeTravel(painter, Ypos, settings);
    printAt(painter, QPointF(200, 215), MotorStatus);
    if (!mirror.WorkFile.isEmpty()) {
        const QString s = QStringLiteral("Using File ") + mirror.WorkFile +
                          QStringLiteral("  Test #") + QString::number(mirror.WorkNum);
        printAt(painter, QPointF(PictureWidth / 2 - (s.size() * CharWidth) / 2, 1), s);
    }
}

} // namespace orvane
