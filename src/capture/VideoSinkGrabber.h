#pragma once

#include <QImage>
#include <QObject>
#include <QVideoFrame>
#include <QVideoSink>

namespace orvane {

// How long a grab waits for the camera's next frame.
inline constexpr int GrabTimeoutMs = 500;

// A camera frame as the program's picture: 320 x 240, 32-bit RGB; null when unreadable.
QImage pictureFromVideoFrame(const QVideoFrame& frame);

// Collects the frames a camera pushes into its sink and hands out the first one that arrives
// after each request, so a grab never returns a stale frame.
class VideoSinkGrabber : public QObject {
    Q_OBJECT
  public:
    explicit VideoSinkGrabber(int timeoutMs = GrabTimeoutMs, QObject* parent = nullptr);

    QVideoSink* sink() { return &sink_; }

    // Waits, letting events run, for the next frame; false on timeout or an unreadable frame,
    // and `picture` keeps its content then.
    bool grabNext(QImage& picture);

  signals:
    void frameArrived();

  private:
    QVideoSink sink_;
    QVideoFrame newest_;
    int timeoutMs_;
};

} // namespace orvane
