#include "live/AutoCentreMarks.h"

#include "live/PictureStyle.h"

#include <QPainter>
#include <cstdlib>

namespace orvane {

void drawAutoCentreMarks(QImage& picture, const AutoCentreResult& result) {
    QPainter painter(&picture);
    painter.setPen(colours::Magenta);
    painter.drawLine(QPointF(result.cx, 0), QPointF(result.cx, PictureHeight));
    painter.drawLine(QPointF(0, result.cy), QPointF(PictureWidth, result.cy));
    const int radius = std::abs(result.radius);
    painter.drawEllipse(QPointF(result.cx, result.cy), radius, radius);
}

AutoCentreResult autoCentreAndMark(FrameSource& camera, QPointF click, MirrorCircle& circle,
                                   QImage& liveView) {
    QImage still;
    const AutoCentreResult result = autoCentreFromCamera(camera, click, circle, still);
    if (result.status == AutoCentreStatus::NoFrame)
        return result;
    liveView = paintableCopy(still);
    drawAutoCentreMarks(liveView, result);
    return result;
}

} // namespace orvane
