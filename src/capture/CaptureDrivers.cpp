#include "capture/CaptureDrivers.h"

namespace orvane {

CaptureDrivers::CaptureDrivers(FrameSource& bench, FrameSource& cameras)
    : bench_(bench), cameras_(cameras) {}

FrameSource* CaptureDrivers::sourceOf(int index) const {
    if (index < 0)
        return nullptr;
    return index == 0 ? &bench_ : &cameras_;
}

int CaptureDrivers::indexInSource(int index) {
    return index == 0 ? 0 : index - 1;
}

std::optional<QString> CaptureDrivers::driverName(int index) const {
    if (index == 0)
        return BenchDriverName;
    FrameSource* source = sourceOf(index);
    return source ? source->driverName(indexInSource(index)) : std::nullopt;
}

bool CaptureDrivers::connectDriver(int index) {
    disconnectDriver();
    FrameSource* source = sourceOf(index);
    if (!source || !source->connectDriver(indexInSource(index)))
        return false;
    connected_ = index;
    return true;
}

std::optional<DriverCaps> CaptureDrivers::capabilities() const {
    FrameSource* source = sourceOf(connected_);
    if (!source)
        return std::nullopt;
    std::optional<DriverCaps> caps = source->capabilities();
    if (caps)
        caps->deviceIndex = connected_;
    return caps;
}

bool CaptureDrivers::grab(QImage& frame) {
    FrameSource* source = sourceOf(connected_);
    return source && source->grab(frame);
}

void CaptureDrivers::disconnectDriver() {
    if (FrameSource* source = sourceOf(connected_))
        source->disconnectDriver();
    connected_ = -1;
}

} // namespace orvane
