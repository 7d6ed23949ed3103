#include "live/LiveRenderer.h"

#include "live/BarGraph.h"
#include "live/Overlay.h"
#include "live/PictureStyle.h"
#include "live/StatusTexts.h"

#include <QPainter>

namespace orvane {

namespace {

void drawBars(const FrameMeasurement& measured, QImage& zoneBars) {
    clearPicture(zoneBars);
    const BarLayout layout = barLayout(zoneBars, measured.zoneCount);
    QPainter painter(&zoneBars);
    painter.setFont(barLabelFont(layout, measured.zoneCount));
    for (int i = 1; i <= measured.zoneCount; ++i)
        drawZoneBars(painter, layout, i, measured.LZV[i], measured.RZV[i]);
}

} // namespace

void drawZonePass(const QImage& frame, const FrameMeasurement& measured, const MirrorCircle& circle,
                  const OverlayInputs& in, LiveDisplays& out) {
    if (!in.barsOff && !out.zoneBars.isNull())
        drawBars(measured, out.zoneBars);
    if (!in.manual)
        out.averagingSliderPosition = measured.framesAveraged;
    out.averagingCaption = averagingCaption(measured.framesAveraged);

    QImage shown = paintableCopy(frame, out.devicePixelRatio);
    QPainter video(&shown);
    video.setFont(pictureFont(8));
    if (measured.track)
        drawTrackMarks(video, *measured.track);
    drawStatusTexts(video, in.Ypos, in.settings, in.MotorStatus, in.mirror);
    drawSimulatedBench(video, out.simulatedBench);
    for (int i = 1; i <= measured.zoneCount; ++i)
        drawZoneTicks(video, circle, in.zones.centerFrac[i]);
    drawMirrorOutline(video, circle);
    drawObstruction(video, circle, in.mirror);
    drawFrameRate(video, measured.framesPerSecond);
    video.end();
    out.liveView = std::move(shown);
}

void drawOutlinePass(const QImage& frame, const FrameMeasurement& measured,
                     const MirrorCircle& circle, const OverlayInputs& in, LiveDisplays& out) {
    QImage shown = paintableCopy(frame, out.devicePixelRatio);
    QPainter video(&shown);
    video.setFont(pictureFont(8));
    if (measured.track) {
        drawTrackMarks(video, *measured.track);
        drawStatusTexts(video, in.Ypos, in.settings, in.MotorStatus, in.mirror);
    } else {
        drawKnifeTravel(video, in.Ypos, in.settings);
    }
    drawSimulatedBench(video, out.simulatedBench);
    drawMirrorOutline(video, circle);
    drawFrameRate(video, measured.framesPerSecond);
    video.end();
    out.liveView = std::move(shown);
}

} // namespace orvane
