#include "capture/CaptureDrivers.h"

namespace orvane {

CaptureDrivers::CaptureDrivers(FrameSource& bench, FrameSource& cameras, FrameSource* videoFile)
    : bench_(bench), cameras_(cameras), videoFile_(videoFile) {}

// Cameras come and go, so the video file's place is counted at each look.
CaptureDrivers::Entry CaptureDrivers::entryOf(int index) const {
    if (index < 0)
        return {};
    if (index == 0)
        return {&bench_, 0};
    if (cameras_.driverName(index - 1))
        return {&cameras_, index - 1};
    if (videoFile_ && (index == 1 || cameras_.driverName(index - 2)))
        return {videoFile_, 0};
    return {};
}

std::optional<QString> CaptureDrivers::driverName(int index) const {
    if (index == 0)
        return BenchDriverName;
    const Entry entry = entryOf(index);
    return entry.source ? entry.source->driverName(entry.index) : std::nullopt;
}

bool CaptureDrivers::connectDriver(int index) {
    disconnectDriver();
    const Entry entry = entryOf(index);
    if (!entry.source || !entry.source->connectDriver(entry.index))
        return false;
    connected_ = index;
    return true;
}

std::optional<DriverCaps> CaptureDrivers::capabilities() const {
    FrameSource* source = entryOf(connected_).source;
    if (!source)
        return std::nullopt;
    std::optional<DriverCaps> caps = source->capabilities();
    if (caps)
        caps->deviceIndex = connected_;
    return caps;
}

bool CaptureDrivers::grab(QImage& frame) {
    FrameSource* source = entryOf(connected_).source;
    return source && source->grab(frame);
}

void CaptureDrivers::setPaused(bool paused) {
    if (FrameSource* source = entryOf(connected_).source)
        source->setPaused(paused);
}

void CaptureDrivers::disconnectDriver() {
    if (FrameSource* source = entryOf(connected_).source)
        source->disconnectDriver();
    connected_ = -1;
}

} // namespace orvane
