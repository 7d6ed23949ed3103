#pragma once

#include "capture/CameraSettings.h"
#include "core/HardwareConfig.h"

namespace orvane {

// Sets on the connected camera the values the hardware file remembers for it, those it supports.
void restoreCameraControls(CameraSettings& camera, const HardwareConfig& hardware);

// Remembers a value chosen for the connected camera; false when no camera is connected.
bool rememberCameraControl(HardwareConfig& hardware, const CameraSettings& camera,
                           CameraControlId id, double value);

} // namespace orvane
