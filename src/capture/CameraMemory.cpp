#include "capture/CameraMemory.h"

namespace orvane {

QString cameraControlKey(CameraControlId id) {
    switch (id) {
    case CameraControlId::ExposureCompensation:
        return QStringLiteral("exposure_compensation");
    case CameraControlId::IsoSensitivity:
        return QStringLiteral("iso");
    case CameraControlId::ExposureTime:
        return QStringLiteral("exposure_time");
    case CameraControlId::ColorTemperature:
        return QStringLiteral("colour_temperature");
    case CameraControlId::FocusDistance:
        return QStringLiteral("focus_distance");
    }
    return {};
}

void restoreCameraControls(CameraSettings& camera, const HardwareConfig& hardware) {
    const auto remembered = hardware.cameraControls.find(camera.cameraId());
    if (camera.cameraId().isEmpty() || remembered == hardware.cameraControls.end())
        return;
    for (const CameraControl& control : camera.controls()) {
        const auto value = remembered->second.find(cameraControlKey(control.id));
        if (control.supported && value != remembered->second.end())
            camera.setControl(control.id, value->second);
    }
}

bool rememberCameraControl(HardwareConfig& hardware, const CameraSettings& camera,
                           CameraControlId id, double value) {
    if (camera.cameraId().isEmpty())
        return false;
    hardware.cameraControls[camera.cameraId()][cameraControlKey(id)] = value;
    return true;
}

} // namespace orvane
