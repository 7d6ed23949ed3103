#include "capture/CameraAdjustments.h"
#include "capture/QtCameraSource.h"
#include "capture/VideoSinkGrabber.h"

#include <QCameraDevice>
#include <QMediaDevices>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orvane;

namespace {
// A 640 x 480 camera frame, red on the left half and blue on the right.
QVideoFrame splitFrame() {
    QVideoFrame frame(QVideoFrameFormat(QSize(640, 480), QVideoFrameFormat::Format_BGRX8888));
    EXPECT_TRUE(frame.map(QVideoFrame::WriteOnly));
    auto* pixels = reinterpret_cast<QRgb*>(frame.bits(0)); // lines of 640 pixels, no padding
    for (int i = 0; i < 640 * 480; ++i)
        pixels[i] = i % 640 < 320 ? qRgb(255, 0, 0) : qRgb(0, 0, 255);
    frame.unmap();
    return frame;
}
} // namespace

TEST(VideoSinkGrabber, HandsOutTheFirstFrameAfterTheRequestAtItsOwnSize) {
    VideoSinkGrabber grabber(2000);
    grabber.sink()->setVideoFrame(splitFrame()); // before the request: stale
    QImage picture;
    QTimer::singleShot(0, [&] { grabber.sink()->setVideoFrame(splitFrame()); });
    ASSERT_TRUE(grabber.grabNext(picture));
    EXPECT_EQ(picture.size(), QSize(640, 480));
    EXPECT_EQ(std::pair(picture.pixelColor(10, 120), picture.pixelColor(630, 120)),
              std::pair(QColor(Qt::red), QColor(Qt::blue)));

    // Nothing new, or an unreadable frame: the picture stays.
    VideoSinkGrabber impatient(30);
    impatient.sink()->setVideoFrame(splitFrame());
    picture.fill(Qt::green);
    EXPECT_FALSE(impatient.grabNext(picture));
    QTimer::singleShot(0, [&] { impatient.sink()->setVideoFrame(QVideoFrame()); });
    EXPECT_FALSE(impatient.grabNext(picture));
    EXPECT_EQ(picture.pixelColor(10, 10), QColor(Qt::green));

    // A JPEG's levels span 0..255: its red (Y 76, U 85, V 255) and a grey of 8 (the bench's
    // background) come out as such, not stretched as if black were 16.
    QVideoFrameFormat full(QSize(4, 2), QVideoFrameFormat::Format_YUV420P);
    full.setColorRange(QVideoFrameFormat::ColorRange_Full);
    QVideoFrame yuv(full);
    ASSERT_TRUE(yuv.map(QVideoFrame::WriteOnly));
    for (const auto& [plane, values] :
         {std::pair(0, "\x4c\x4c\x08\x08"), {1, "\x55\x80"}, {2, "\xff\x80"}})
        for (int row = 0; row < (plane ? 1 : 2); ++row)
            memcpy(yuv.bits(plane) + row * yuv.bytesPerLine(plane), values, plane ? 2 : 4);
    yuv.unmap();
    const QImage converted = imageFromVideoFrame(yuv);
    EXPECT_EQ(std::pair(converted.pixel(0, 1), converted.pixel(3, 0)),
              std::pair(qRgb(254, 0, 0), qRgb(8, 8, 8)));
}

TEST(QtCameraSource, ACameraThatIsNotThereIsRefusedQuietlyAndOffersNothing) {
    QtCameraSource cameras;
    const int absent = int(QMediaDevices::videoInputs().size());
    EXPECT_EQ(cameraFormatText({640, 480}, 30.0f, 30.0f, "YUYV"), "640 x 480, 30 fps, YUYV");
    QImage picture;
    EXPECT_FALSE(cameras.driverName(absent) || cameras.driverName(-1) ||
                 cameras.connectDriver(absent) || cameras.capabilities() || cameras.grab(picture));
    EXPECT_EQ(std::tuple(cameras.formatNames().size(), cameras.currentFormat(),
                         cameras.applyFormat(0), cameras.controls().size()),
              std::tuple(0, -1, false, 0));
}
