#include "analysis/ZoneMeasurer.h"

#include "analysis/BarGraph.h"
#include "analysis/MirrorTracker.h"
#include "analysis/Overlay.h"
#include "analysis/PictureStyle.h"
#include "analysis/PixelIntensity.h"
#include "analysis/StatusTexts.h"
#include "core/EventPump.h"
#include "core/Settings.h"

#include <QPainter>
#include <algorithm>
#include <numeric>

namespace orvane {

namespace {
constexpr int WindowRows = 7;
} // namespace

ZoneMeasurer::ZoneMeasurer(Clock& clock) : frameRate_(clock) {}

void ZoneMeasurer::setFramesToAverage(int frames) {
    framesToAverage_ = std::clamp(frames, 1, HistorySlots);
}

QString ZoneMeasurer::averagingCaption() const {
    return QStringLiteral("Averaging %1 Frames").arg(framesToAverage_);
}

void ZoneMeasurer::measureZone(const QImage& frame, const MirrorCircle& circle, double centerFrac,
                               int zone) {
    const WindowColumns columns = zoneWindowColumns(circle, centerFrac);
    int leftSum = 0;
    int rightSum = 0;
    for (int j = 1; j <= WindowRows; ++j) {
        const int y = circle.y + j - 4;
        leftSum += pixelIntensity(frame, columns.left, y);
        rightSum += pixelIntensity(frame, columns.right, y);
    }
    auto& left = leftHistory_[zone];
    auto& right = rightHistory_[zone];
    std::copy_backward(left.begin() + 1, left.end() - 1, left.end());
    std::copy_backward(right.begin() + 1, right.end() - 1, right.end());
    left[1] = leftSum / WindowRows;
    right[1] = rightSum / WindowRows;

    const int f = framesToAverage_;
    lzv_[zone] = std::accumulate(left.begin() + 1, left.begin() + 1 + f, 0) / f;
    rzv_[zone] = std::accumulate(right.begin() + 1, right.begin() + 1 + f, 0) / f;
}

MeasureResult ZoneMeasurer::measureZones(const QImage& frame, const MeasureInputs& in,
                                         MirrorCircle& circle, LiveDisplays& out, EventPump& pump) {
    const int zoneCount = std::clamp(in.mirror.NZ, 0, MaxZones);
    const BarLayout bars = barLayout(out.picture2, zoneCount);
    const bool drawBars = !in.barsOff && !out.picture2.isNull();
    if (drawBars)
        clearPicture(out.picture2, out.picture2.size());

    MeasureResult result;
    QImage shown = paintableCopy(frame);
    QPainter video(&shown);
    video.setFont(pictureFont(8));
    if (in.tracking) {
        const TrackOutcome track = trackMirror(frame, circle, in.settings.KnifeRight);
        drawTrackMarks(video, track);
        result.trackingFailed = !track.moved;
    }
    drawStatusTexts(video, in.Ypos, in.settings, in.MotorStatus, in.mirror);
    drawSimulatedBench(video, out.simulatedBench);

    if (!in.manual)
        out.slider1Position = framesToAverage_;
    out.frame3Caption = averagingCaption();

    QPainter barPainter;
    if (drawBars) {
        barPainter.begin(&out.picture2);
        barPainter.setFont(pictureFont(8));
    }
    for (int i = 1; i <= zoneCount; ++i) {
        measureZone(frame, circle, in.zones.centerFrac[i], i);
        if (drawBars)
            drawZoneBars(barPainter, bars, i, lzv_[i], rzv_[i]);
        drawZoneTicks(video, circle, in.zones.centerFrac[i]);
    }
    if (drawBars)
        barPainter.end();

    drawMirrorOutline(video, circle);
    drawObstruction(video, circle, in.mirror);
    drawFrameRate(video, frameRate_.tick(FrameRateMeter::Rounding::Nearest));
    video.end();
    out.picture1 = std::move(shown);

    pump.processEvents();
    return result;
}

} // namespace orvane
