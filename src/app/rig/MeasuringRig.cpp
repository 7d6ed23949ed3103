#include "app/rig/MeasuringRig.h"

#include "capture/FrameMapping.h"
#include "core/LogCategories.h"
#include "core/SafeSave.h"
#include "live/LiveRenderer.h"

#include <QBuffer>

namespace orvane {

MeasuringRig::MeasuringRig(FrameSource& camera, StepperDriver& driver, ZoneMeasurer& measurer,
                           MeasuringState state, RigDrawing drawing)
    : camera_(camera), driver_(driver), measurer_(measurer), s_(state), drawing_(drawing) {}

void MeasuringRig::grabFrame() {
    if (camera_.grab(frame_))
        ++framesGrabbed_;
}

void MeasuringRig::setFramesToAverage(int frames) {
    measurer_.setFramesToAverage(frames);
    s_.displays.averagingCaption = averagingCaption(measurer_.framesToAverage());
    s_.displays.averagingSliderPosition = measurer_.framesToAverage();
}

void MeasuringRig::measureZones() {
    measured_ = measurer_.measureZones(
        frame_, {s_.zones, s_.mirror.NZ, s_.view.tracking, s_.settings.KnifeRight}, s_.circle);
    measuredYpos_ = driver_.ypos();
    measuredStatus_ = s_.MotorStatus;
    if (drawing_ == RigDrawing::EveryFrame)
        drawMeasured();
}

void MeasuringRig::drawMeasured() {
    drawZonePass(pictureOf(frame_), measured_, s_.circle,
                 {s_.mirror, s_.zones, s_.settings, measuredStatus_, measuredYpos_, s_.view.barsOff,
                  /*manual=*/false},
                 s_.displays);
}

void MeasuringRig::restartFrameTiming() {
    measurer_.frameRate().restart();
}

void MeasuringRig::zeroPositions() {
    driver_.setXpos(0);
    driver_.setYpos(0);
}

namespace {
// Saved and recorded pictures are in picture pixels, whatever the screen they were drawn for.
QImage inPicturePixels(const QImage& picture) {
    return picture.devicePixelRatio() == 1
               ? picture
               : picture.scaled(picture.deviceIndependentSize().toSize(), Qt::IgnoreAspectRatio,
                                Qt::SmoothTransformation);
}

void savePicture(const QImage& picture, const QString& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QString problem;
    if (!buffer.open(QIODevice::WriteOnly) || !inPicturePixels(picture).save(&buffer, "BMP"))
        problem = QStringLiteral("%1 was not saved: the picture could not be encoded.").arg(path);
    else if (saveFileSafely(path, bytes, &problem))
        qCDebug(lcResults) << "saved" << path;
    if (!problem.isEmpty())
        qCWarning(lcResults).noquote() << problem;
}
} // namespace

void MeasuringRig::savePictures(const QString& overlayPath, const QString& framePath) {
    if (drawing_ == RigDrawing::ForSavedPictures)
        drawMeasured();
    savePicture(s_.displays.liveView, overlayPath);
    savePicture(pictureOf(frame_), framePath);
}

QImage MeasuringRig::shownPicture() {
    if (drawing_ == RigDrawing::ForSavedPictures)
        drawMeasured();
    return inPicturePixels(s_.displays.liveView);
}

} // namespace orvane
