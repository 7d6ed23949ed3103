#include "capture/QtCameraSource.h"

#include "capture/CameraAdjustments.h"
#include "capture/EventWait.h"
#include "capture/VideoSinkGrabber.h"
#include "core/LogCategories.h"

#include <QCamera>
#include <QCameraDevice>
#include <QMediaCaptureSession>
#include <QMediaDevices>

namespace orvane {

// Member order matters: the session goes first, while its camera and sink still exist.
struct QtCameraSource::Connection {
    explicit Connection(const QCameraDevice& device, int deviceIndex)
        : camera(device), index(deviceIndex) {
        session.setCamera(&camera);
        session.setVideoSink(grabber.sink());
        QObject::connect(&camera, &QCamera::errorOccurred, [](QCamera::Error, const QString& text) {
            qCDebug(lcCapture) << "camera error:" << text;
        });
    }

    QCamera camera;
    VideoSinkGrabber grabber;
    QMediaCaptureSession session;
    int index;
};

namespace {

bool startCamera(QCamera& camera) {
    if (!camera.isAvailable()) {
        qCDebug(lcCapture) << "camera" << camera.cameraDevice().description() << "is not available";
        return false;
    }
    camera.start();
    if (!camera.isActive() && camera.error() == QCamera::NoError) {
        EventWait wait(CameraStartTimeoutMs);
        wait.quitOn(&camera, &QCamera::activeChanged);
        wait.quitOn(&camera, &QCamera::errorOccurred);
        wait.exec();
    }
    if (!camera.isActive())
        qCDebug(lcCapture) << "camera" << camera.cameraDevice().description() << "did not start";
    return camera.isActive();
}

} // namespace

QStringList cameraNames() {
    QStringList names;
    for (const QCameraDevice& camera : QMediaDevices::videoInputs())
        names << camera.description();
    return names;
}

QtCameraSource::QtCameraSource() = default;
QtCameraSource::~QtCameraSource() = default;

std::optional<QString> QtCameraSource::driverName(int index) const {
    const QList<QCameraDevice> cameras = QMediaDevices::videoInputs();
    if (index < 0 || index >= cameras.size())
        return std::nullopt;
    return cameras.at(index).description();
}

bool QtCameraSource::connectDriver(int index) {
    disconnectDriver();
    const QList<QCameraDevice> cameras = QMediaDevices::videoInputs();
    if (index < 0 || index >= cameras.size()) {
        qCDebug(lcCapture) << "no camera" << index << "among" << cameras.size();
        return false;
    }
    auto connection = std::make_unique<Connection>(cameras.at(index), index);
    if (!startCamera(connection->camera))
        return false;
    connection_ = std::move(connection);
    return true;
}

std::optional<DriverCaps> QtCameraSource::capabilities() const {
    if (!connection_)
        return std::nullopt;
    DriverCaps caps;
    caps.deviceIndex = connection_->index;
    caps.hasSourceDialog = true;
    caps.hasFormatDialog = true;
    return caps;
}

bool QtCameraSource::grab(QImage& frame) {
    if (connection_)
        return connection_->grabber.grabNext(frame);
    qCDebug(lcCapture) << "no frame: no camera is connected";
    return false;
}

void QtCameraSource::disconnectDriver() {
    connection_.reset();
}

QStringList QtCameraSource::formatNames() const {
    return connection_ ? cameraFormatNames(connection_->camera) : QStringList();
}

int QtCameraSource::currentFormat() const {
    return connection_ ? currentCameraFormat(connection_->camera) : -1;
}

bool QtCameraSource::applyFormat(int index) {
    const bool applied = connection_ && applyCameraFormat(connection_->camera, index);
    if (!applied)
        qCDebug(lcCapture) << "camera format" << index << "cannot be applied";
    return applied;
}

QList<CameraControl> QtCameraSource::controls() const {
    return connection_ ? cameraControls(connection_->camera) : QList<CameraControl>();
}

void QtCameraSource::setControl(CameraControlId id, double value) {
    if (connection_)
        applyCameraControl(connection_->camera, id, value);
}

bool QtCameraSource::brightnessAutomatic() const {
    return connection_ && connection_->camera.exposureMode() == QCamera::ExposureAuto;
}

QString QtCameraSource::cameraId() const {
    return connection_ ? QString::fromUtf8(connection_->camera.cameraDevice().id()) : QString();
}

} // namespace orvane
