#include "capture/VideoSinkGrabber.h"
#include "capture/EventWait.h"

#include <QPainter>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

// A 640 x 480 camera frame, red on the left half and blue on the right.
QVideoFrame splitFrame() {
    QImage image(640, 480, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 320, 480, Qt::red);
    painter.fillRect(320, 0, 320, 480, Qt::blue);
    painter.end();
    QVideoFrame frame(QVideoFrameFormat(image.size(), QVideoFrameFormat::Format_BGRX8888));
    EXPECT_TRUE(frame.map(QVideoFrame::WriteOnly));
    for (int y = 0; y < image.height(); ++y)
        memcpy(frame.bits(0) + y * frame.bytesPerLine(0), image.constScanLine(y),
               size_t(image.width()) * 4);
    frame.unmap();
    return frame;
}

QImage greenPicture() {
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(Qt::green);
    return image;
}

constexpr int ShortTimeoutMs = 30;

} // namespace

TEST(VideoSinkGrabber, CameraFrameBecomesA320By240Picture) {
    const QImage picture = pictureFromVideoFrame(splitFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(320, 240));
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    EXPECT_EQ(picture.pixelColor(10, 120), QColor(Qt::red));
    EXPECT_EQ(picture.pixelColor(310, 120), QColor(Qt::blue));
    EXPECT_TRUE(pictureFromVideoFrame(QVideoFrame()).isNull());
}

TEST(VideoSinkGrabber, GrabTakesTheFrameThatArrivesAfterTheRequest) {
    VideoSinkGrabber grabber(2000);
    const QVideoFrame frame = splitFrame();
    QTimer::singleShot(0, [&] { grabber.sink()->setVideoFrame(frame); });
    QImage picture = greenPicture();
    ASSERT_TRUE(grabber.grabNext(picture));
    EXPECT_EQ(picture.size(), QSize(320, 240));
    EXPECT_EQ(picture.pixelColor(10, 10), QColor(Qt::red));
}

TEST(VideoSinkGrabber, FrameFromBeforeTheRequestIsNotHandedOut) {
    VideoSinkGrabber grabber(ShortTimeoutMs);
    grabber.sink()->setVideoFrame(splitFrame());
    QImage picture = greenPicture();
    EXPECT_FALSE(grabber.grabNext(picture));
    EXPECT_EQ(picture.pixelColor(10, 10), QColor(Qt::green));
}

TEST(VideoSinkGrabber, TimeoutOrUnreadableFrameKeepsThePicture) {
    VideoSinkGrabber grabber(ShortTimeoutMs);
    QImage picture = greenPicture();
    EXPECT_FALSE(grabber.grabNext(picture)); // nothing arrives
    EXPECT_EQ(picture.pixelColor(10, 10), QColor(Qt::green));

    QTimer::singleShot(0, [&] { grabber.sink()->setVideoFrame(QVideoFrame()); });
    EXPECT_FALSE(grabber.grabNext(picture));
    EXPECT_EQ(picture.pixelColor(10, 10), QColor(Qt::green));
}

TEST(EventWait, EndsWhenAWatchedSignalFiresOrTheTimeRunsOut) {
    QObject sender;
    {
        EventWait wait(5000);
        wait.quitOn(&sender, &QObject::objectNameChanged);
        QTimer::singleShot(0, [&] { sender.setObjectName("fired"); });
        EXPECT_TRUE(wait.exec());
    }
    {
        EventWait wait(ShortTimeoutMs);
        wait.quitOn(&sender, &QObject::objectNameChanged);
        EXPECT_FALSE(wait.exec());
    }
}

TEST(EventWait, SignalBeforeTheLoopStartsStillCounts) {
    QObject sender;
    EventWait wait(ShortTimeoutMs);
    wait.quitOn(&sender, &QObject::objectNameChanged);
    sender.setObjectName("early");
    EXPECT_TRUE(wait.exec());
}
