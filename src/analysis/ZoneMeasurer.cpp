#include "analysis/ZoneMeasurer.h"

#include "analysis/PixelIntensity.h"
#include "analysis/ZoneGeometry.h"
#include "capture/FrameMapping.h"

#include <algorithm>
#include <numeric>

namespace orvane {

namespace {
constexpr int WindowRows = 7;
} // namespace

QString averagingCaption(int frames) {
    return QStringLiteral("Averaging %1 Frames").arg(frames);
}

ZoneMeasurer::ZoneMeasurer(Clock& clock) : frameRate_(clock) {}

void ZoneMeasurer::setFramesToAverage(int frames) {
    framesToAverage_ = std::clamp(frames, 1, HistorySlots);
}

void ZoneMeasurer::measureZone(const QImage& frame, const MirrorCircle& circle, double centerFrac,
                               int zone) {
    // The windows are placed on the picture and read on the camera's own pixels, so a larger
    // frame averages more of them over the same part of the mirror.
    const WindowColumns columns = zoneWindowColumns(circle, centerFrac);
    const FrameMapping mapping = FrameMapping::of(frame.size());
    const int top = circle.y - WindowRows / 2;
    exactLeft_[zone] = windowMean(frame, mapping.toCamera(QRect(columns.left, top, 1, WindowRows)));
    exactRight_[zone] =
        windowMean(frame, mapping.toCamera(QRect(columns.right, top, 1, WindowRows)));
    // The zone values are whole grey levels, cut.
    const int leftMean = int(exactLeft_[zone]);
    const int rightMean = int(exactRight_[zone]);
    auto& left = leftHistory_[zone];
    auto& right = rightHistory_[zone];
    std::copy_backward(left.begin() + 1, left.end() - 1, left.end());
    std::copy_backward(right.begin() + 1, right.end() - 1, right.end());
    left[1] = leftMean;
    right[1] = rightMean;

    const int f = framesToAverage_;
    lzv_[zone] = std::accumulate(left.begin() + 1, left.begin() + 1 + f, 0) / f;
    rzv_[zone] = std::accumulate(right.begin() + 1, right.begin() + 1 + f, 0) / f;
}

FrameMeasurement ZoneMeasurer::measureZones(const QImage& frame, const MeasureInputs& in,
                                            MirrorCircle& circle) {
    FrameMeasurement out;
    if (in.tracking)
        out.track = trackMirror(frame, circle, in.KnifeRight);
    out.zoneCount = std::clamp(in.zoneCount, 0, MaxZones);
    for (int i = 1; i <= out.zoneCount; ++i)
        measureZone(frame, circle, in.zones.centerFrac[i], i);
    out.LZV = lzv_;
    out.RZV = rzv_;
    out.framesAveraged = framesToAverage_;
    out.framesPerSecond = frameRate_.tick(FrameRateMeter::Rounding::Nearest);
    return out;
}

FrameMeasurement ZoneMeasurer::measureWithoutZones(const QImage& frame, const MeasureInputs& in,
                                                   MirrorCircle& circle) {
    FrameMeasurement out;
    if (in.tracking)
        out.track = trackMirror(frame, circle, in.KnifeRight);
    out.framesAveraged = framesToAverage_;
    out.framesPerSecond = frameRate_.tick(FrameRateMeter::Rounding::Truncate);
    return out;
}

} // namespace orvane
