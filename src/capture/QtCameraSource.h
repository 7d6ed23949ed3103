#pragma once

#include "capture/CameraSettings.h"
#include "capture/FrameSource.h"

#include <memory>

namespace orvane {

// The names of the cameras the system lists, in driver order.
QStringList cameraNames();

// How long connecting waits for the camera to start streaming.
inline constexpr int CameraStartTimeoutMs = 3000;

// The cameras the system lists, as drivers 0, 1, ...: connecting opens one and lets it stream
// into a video sink; a grab takes the next frame that arrives. The connected camera also serves
// the format and source dialogs; it has no display dialog and no overlay.
class QtCameraSource : public FrameSource, public CameraSettings {
  public:
    QtCameraSource();
    ~QtCameraSource() override;

    std::optional<QString> driverName(int index) const override;
    bool connectDriver(int index) override;
    std::optional<DriverCaps> capabilities() const override;
    bool grab(QImage& frame) override;
    void disconnectDriver() override;

    QStringList formatNames() const override;
    int currentFormat() const override;
    bool applyFormat(int index) override;
    QList<CameraControl> controls() const override;
    void setControl(CameraControlId id, double value) override;
    QString cameraId() const override;
    bool brightnessAutomatic() const override;

  private:
    struct Connection;
    std::unique_ptr<Connection> connection_;
};

} // namespace orvane
