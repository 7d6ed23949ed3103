#include "app/gui/Hardware.h"

#include "capture/CameraMemory.h"
#include "core/LogCategories.h"
#include "core/MessageBoxes.h"
#include "core/Settings.h"
#include "motion/PpdevPort.h"

namespace orvane {

Hardware::Hardware(const QString& programFolder, const Settings& settings, Clock& clock,
                   std::function<void(const QString&)> onMotorFailure)
    : programFolder_(programFolder), config_(loadHardwareConfig(programFolder)),
      workbench_(
          config_.config, QString(), settings.menus, clock,
          [&settings] { return settings.Mindelay; }, std::move(onMotorFailure)),
      drivers_(workbench_.bench(), cameras_, &videoFile_), jogDrive_(workbench_.driver()),
      measurer_(clock), problems_(config_.warnings + workbench_.problems()) {
    // A camera delivers frames at its own rate; the bench is made to do the same.
    workbench_.bench().enablePacing(clock);
}

void Hardware::reportProblems(MessageBoxes& messages) const {
    if (problems_.isEmpty())
        return;
    messages.show({QStringLiteral("Hardware Setup :("), problems_.join(QStringLiteral("\n\n")),
                   MessageIcon::Exclamation});
}

SimulatedBenchUse Hardware::simulatedBench() const {
    return workbench_.simulatedBench(drivers_.benchConnected());
}

void Hardware::restoreCameraControls() {
    orvane::restoreCameraControls(cameras_, config_.config);
}

void Hardware::rememberCameraControl(CameraControlId id, double value) {
    if (orvane::rememberCameraControl(config_.config, cameras_, id, value) &&
        !saveHardwareConfig(programFolder_, config_.config))
        qCDebug(lcCapture) << "the camera's values could not be written to the hardware file";
}

QString Hardware::motorPortName() const {
    const HardwareConfig& config = config_.config;
    return config.portBackend == PortBackend::Bench || config.simulatedBoard() ? QString()
                                                                               : config.portDevice;
}

DeviceProbes systemDeviceProbes() {
    return {&PpdevPort::devices, &cameraNames};
}

} // namespace orvane
