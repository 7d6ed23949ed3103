#pragma once

#include "capture/FrameSource.h"

namespace orvane {

inline const QString BenchDriverName = QStringLiteral("ORVANE Simulated Foucault Bench");

// The program's driver list: driver 0 is the simulated bench, drivers 1, 2, ... are the
// cameras' drivers 0, 1, ..., and after them comes the video file (when there is one). At most
// one driver is connected; connecting another first lets go
// of the current one, so after a failed connection no driver delivers frames.
class CaptureDrivers : public FrameSource {
  public:
    CaptureDrivers(FrameSource& bench, FrameSource& cameras, FrameSource* videoFile = nullptr);

    std::optional<QString> driverName(int index) const override;
    bool connectDriver(int index) override;
    // The connected driver's capabilities, its device index counted in this list.
    std::optional<DriverCaps> capabilities() const override;
    bool grab(QImage& frame) override;
    void disconnectDriver() override;
    void setPaused(bool paused) override;

    // Driver 0 is connected: the picture is the simulated bench's.
    bool benchConnected() const { return connected_ == 0; }

  private:
    struct Entry {
        FrameSource* source = nullptr;
        int index = 0; // in the source's own list
    };
    Entry entryOf(int index) const;

    FrameSource& bench_;
    FrameSource& cameras_;
    FrameSource* videoFile_;
    int connected_ = -1; // no driver
};

} // namespace orvane
