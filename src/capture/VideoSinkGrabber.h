#pragma once

#include <QImage>
#include <QObject>
#include <QVideoFrame>
#include <QVideoSink>

namespace orvane {

// How long a grab waits for the camera's next frame.
inline constexpr int GrabTimeoutMs = 500;

// A camera frame at its own size, 32-bit RGB; null when unreadable.
QImage imageFromVideoFrame(const QVideoFrame& frame);

// Collects the frames a camera pushes into its sink and hands out the first one that arrives
// after each request, so a grab never returns a stale frame.
class VideoSinkGrabber : public QObject {
    Q_OBJECT
  public:
    explicit VideoSinkGrabber(int timeoutMs = GrabTimeoutMs, QObject* parent = nullptr);

    QVideoSink* sink() { return &sink_; }

    // Waits, letting events run, for the next frame; false on timeout or an unreadable frame,
    // and `frame` keeps its content then.
    bool grabNext(QImage& frame);

  signals:
    void frameArrived();

  private:
    QVideoSink sink_;
    QVideoFrame newest_;
    int timeoutMs_;
};

} // namespace orvane
