#include "capture/CameraAdjustments.h"

#include "core/NumberText.h"

#include <QCamera>
#include <QCameraDevice>
#include <QCameraFormat>
#include <QVideoFrameFormat>

namespace orvane {

namespace {

// Qt reports no range for these two; the spans cover what webcams accept.
constexpr double ExposureCompensationSpanEv = 2.0;
constexpr int MinColorTemperatureK = 2000;
constexpr int MaxColorTemperatureK = 10000;
constexpr double MsPerSecond = 1000.0;

QList<QCameraFormat> formatsOf(const QCamera& camera) {
    return camera.cameraDevice().videoFormats();
}

QString frameRateText(float minFrameRate, float maxFrameRate) {
    if (qFuzzyCompare(minFrameRate, maxFrameRate))
        return numberText(roundHalfEven(maxFrameRate, 2));
    return numberText(roundHalfEven(minFrameRate, 2)) + QLatin1Char('-') +
           numberText(roundHalfEven(maxFrameRate, 2));
}

} // namespace

QString cameraFormatText(QSize resolution, float minFrameRate, float maxFrameRate,
                         const QString& pixelFormat) {
    return QStringLiteral("%1 x %2, %3 fps, %4")
        .arg(resolution.width())
        .arg(resolution.height())
        .arg(frameRateText(minFrameRate, maxFrameRate), pixelFormat);
}

QStringList cameraFormatNames(const QCamera& camera) {
    QStringList names;
    for (const QCameraFormat& format : formatsOf(camera))
        names << cameraFormatText(format.resolution(), format.minFrameRate(), format.maxFrameRate(),
                                  QVideoFrameFormat::pixelFormatToString(format.pixelFormat()));
    return names;
}

int currentCameraFormat(const QCamera& camera) {
    return int(formatsOf(camera).indexOf(camera.cameraFormat()));
}

bool applyCameraFormat(QCamera& camera, int index) {
    const QList<QCameraFormat> formats = formatsOf(camera);
    if (index < 0 || index >= formats.size())
        return false;
    camera.setCameraFormat(formats.at(index));
    return true;
}

QList<CameraControl> cameraControls(const QCamera& camera) {
    const QCamera::Features features = camera.supportedFeatures();
    const bool iso = features.testFlag(QCamera::Feature::IsoSensitivity) &&
                     camera.maximumIsoSensitivity() > camera.minimumIsoSensitivity();
    const bool exposureTime = features.testFlag(QCamera::Feature::ManualExposureTime) &&
                              camera.maximumExposureTime() > camera.minimumExposureTime() &&
                              camera.isExposureModeSupported(QCamera::ExposureManual);
    const bool focus = features.testFlag(QCamera::Feature::FocusDistance) &&
                       camera.isFocusModeSupported(QCamera::FocusModeManual);
    return {
        {CameraControlId::ExposureCompensation, QStringLiteral("Exposure compensation (EV)"),
         -ExposureCompensationSpanEv, ExposureCompensationSpanEv, 0.1, 1,
         camera.exposureCompensation(), features.testFlag(QCamera::Feature::ExposureCompensation)},
        {CameraControlId::IsoSensitivity, QStringLiteral("Sensitivity (ISO)"),
         double(camera.minimumIsoSensitivity()), double(camera.maximumIsoSensitivity()), 1, 0,
         double(camera.isoSensitivity()), iso},
        {CameraControlId::ExposureTime, QStringLiteral("Exposure time (ms)"),
         camera.minimumExposureTime() * MsPerSecond, camera.maximumExposureTime() * MsPerSecond,
         0.1, 1, camera.exposureTime() * MsPerSecond, exposureTime},
        {CameraControlId::ColorTemperature, QStringLiteral("Colour temperature (K)"),
         double(MinColorTemperatureK), double(MaxColorTemperatureK), 100, 0,
         double(camera.colorTemperature()), features.testFlag(QCamera::Feature::ColorTemperature)},
        {CameraControlId::FocusDistance, QStringLiteral("Focus distance (0 near, 1 far)"), 0, 1,
         0.01, 2, camera.focusDistance(), focus},
    };
}

void applyCameraControl(QCamera& camera, CameraControlId id, double value) {
    switch (id) {
    case CameraControlId::ExposureCompensation:
        camera.setExposureCompensation(float(value));
        break;
    case CameraControlId::IsoSensitivity:
        camera.setManualIsoSensitivity(int(roundToInt(value)));
        break;
    case CameraControlId::ExposureTime:
        camera.setExposureMode(QCamera::ExposureManual);
        camera.setManualExposureTime(float(value / MsPerSecond));
        break;
    case CameraControlId::ColorTemperature:
        camera.setWhiteBalanceMode(QCamera::WhiteBalanceManual);
        camera.setColorTemperature(int(roundToInt(value)));
        break;
    case CameraControlId::FocusDistance:
        camera.setFocusMode(QCamera::FocusModeManual);
        camera.setFocusDistance(float(value));
        break;
    }
}

} // namespace orvane
