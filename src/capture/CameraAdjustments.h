#pragma once

#include "capture/CameraSettings.h"

#include <QSize>

class QCamera;

namespace orvane {

// A camera format as one line of the format dialog, e.g. "640 x 480, 30 fps, YUYV".
QString cameraFormatText(QSize resolution, float minFrameRate, float maxFrameRate,
                         const QString& pixelFormat);

QStringList cameraFormatNames(const QCamera& camera);
int currentCameraFormat(const QCamera& camera);
bool applyCameraFormat(QCamera& camera, int index);

// The exposure, colour and focus controls, each marked as the camera supports it or not.
QList<CameraControl> cameraControls(const QCamera& camera);
void applyCameraControl(QCamera& camera, CameraControlId id, double value);

} // namespace orvane
