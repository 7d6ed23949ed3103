#include "capture/VideoSinkGrabber.h"

#include "capture/EventWait.h"
#include "capture/FullRangeYuv.h"
#include "core/LogCategories.h"

namespace orvane {

QImage imageFromVideoFrame(const QVideoFrame& frame) {
    if (QImage full = imageFromFullRangeYuv(frame); !full.isNull())
        return full;
    const QImage image = frame.toImage();
    if (image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

VideoSinkGrabber::VideoSinkGrabber(int timeoutMs, QObject* parent)
    : QObject(parent), timeoutMs_(timeoutMs) {
    // The camera may deliver on its own thread; the context object queues the frame to ours.
    connect(&sink_, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
        newest_ = frame;
        emit frameArrived();
    });
}

bool VideoSinkGrabber::grabNext(QImage& frame) {
    newest_ = QVideoFrame();
    EventWait wait(timeoutMs_);
    wait.quitOn(this, &VideoSinkGrabber::frameArrived);
    if (!wait.exec()) {
        qCDebug(lcCapture) << "no frame within" << timeoutMs_ << "ms";
        return false;
    }
    const QImage image = imageFromVideoFrame(newest_);
    if (image.isNull()) {
        qCDebug(lcCapture) << "a frame in pixel format" << newest_.pixelFormat()
                           << "gave no picture";
        return false;
    }
    frame = image;
    return true;
}

} // namespace orvane
