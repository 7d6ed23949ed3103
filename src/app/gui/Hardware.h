#pragma once

#include "analysis/ZoneMeasurer.h"
#include "app/rig/StepperJogDrive.h"
#include "app/rig/Workbench.h"
#include "app/shell/MissingHardwareNotice.h"
#include "capture/CaptureDrivers.h"
#include "capture/QtCameraSource.h"
#include "capture/VideoFileSource.h"
#include "core/HardwareConfig.h"
#include "live/KeyState.h"

#include <QStringList>

namespace orvane {

class Clock;
class MessageBoxes;
struct Settings;

// The machine's printer ports and the system's cameras, as start-up looks for them.
DeviceProbes systemDeviceProbes();

// The devices the hardware file chooses: the simulated bench and the system's cameras as the
// capture drivers, the stepper driver on its port, and what the live loop and the test take
// from them (the jog's view of the driver, the jog keys, the zone measurement).
class Hardware {
  public:
    // `settings` and `clock` must outlive the hardware; the driver reads the Platform menus and
    // Mindelay from the settings at every use. Bench frames are paced on `clock`.
    // `onMotorFailure` hears, once, that a serial motor board stopped answering.
    Hardware(const QString& programFolder, const Settings& settings, Clock& clock,
             std::function<void(const QString&)> onMotorFailure = {});

    FrameSource& drivers() { return drivers_; }
    CameraSettings& cameras() { return cameras_; }
    VideoFileSource& videoFile() { return videoFile_; }
    SimulatedBench& bench() { return workbench_.bench(); }
    StepperDriver& driver() { return workbench_.driver(); }
    JogDrive& jogDrive() { return jogDrive_; }
    LatchedKeyState& keys() { return keys_; }
    ZoneMeasurer& measurer() { return measurer_; }

    // What the hardware file and the workbench found wrong, in one message; nothing when all
    // is well. Shown once, at start-up.
    void reportProblems(MessageBoxes& messages) const;
    // The simulated bench's part in the rig as it stands: the motors, the connected driver.
    SimulatedBenchUse simulatedBench() const;
    // The real printer port's or serial board's device, or empty while the bench drives the
    // motors.
    QString motorPortName() const;
    // The connected camera gets the values chosen for it before; a newly chosen one is kept in
    // the hardware file at once.
    void restoreCameraControls();
    void rememberCameraControl(CameraControlId id, double value);

  private:
    QString programFolder_;
    HardwareConfigLoad config_;
    Workbench workbench_;
    QtCameraSource cameras_;
    VideoFileSource videoFile_;
    CaptureDrivers drivers_;
    StepperJogDrive jogDrive_;
    LatchedKeyState keys_;
    ZoneMeasurer measurer_;
    QStringList problems_;
};

} // namespace orvane
