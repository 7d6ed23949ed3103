#include "capture/QtCameraSource.h"
#include "FakeFrameSource.h"
#include "capture/CameraAdjustments.h"

#include <QCamera>
#include <QCameraDevice>
#include <QMediaDevices>
#include <gtest/gtest.h>

using namespace orvane;

TEST(QtCameraSource, ACameraThatIsNotThereIsRefusedQuietly) {
    QtCameraSource cameras;
    const int absent = int(QMediaDevices::videoInputs().size());
    EXPECT_EQ(cameras.driverName(absent), std::nullopt);
    EXPECT_EQ(cameras.driverName(-1), std::nullopt);
    EXPECT_FALSE(cameras.connectDriver(absent));
    EXPECT_FALSE(cameras.connectDriver(-1));
    EXPECT_EQ(cameras.capabilities(), std::nullopt);

    QImage picture = testkit::FakeFrameSource::solidFrame(Qt::magenta);
    EXPECT_FALSE(cameras.grab(picture));
    EXPECT_EQ(picture.pixelColor(1, 1), QColor(Qt::magenta));
    cameras.disconnectDriver(); // nothing connected: harmless
}

TEST(QtCameraSource, WithoutACameraTheDialogsHaveNothingToOffer) {
    QtCameraSource cameras;
    EXPECT_TRUE(cameras.formatNames().isEmpty());
    EXPECT_EQ(cameras.currentFormat(), -1);
    EXPECT_FALSE(cameras.applyFormat(0));
    EXPECT_TRUE(cameras.controls().isEmpty());
    cameras.setControl(CameraControlId::ExposureCompensation, 1.0);
}

TEST(CameraAdjustments, FormatLinesGiveSizeRateAndPixelFormat) {
    EXPECT_EQ(cameraFormatText({640, 480}, 30.0f, 30.0f, "YUYV"), "640 x 480, 30 fps, YUYV");
    EXPECT_EQ(cameraFormatText({1280, 720}, 5.0f, 7.5f, "MJPEG"), "1280 x 720, 5-7.5 fps, MJPEG");
    EXPECT_EQ(cameraFormatText({320, 240}, 29.97f, 29.97f, "NV12"), "320 x 240, 29.97 fps, NV12");
}

TEST(CameraAdjustments, ACameraWithoutDeviceOffersNoFormatsOrControls) {
    QCamera camera{QCameraDevice()};
    EXPECT_TRUE(cameraFormatNames(camera).isEmpty());
    EXPECT_EQ(currentCameraFormat(camera), -1);
    EXPECT_FALSE(applyCameraFormat(camera, 0));
    EXPECT_FALSE(applyCameraFormat(camera, -1));
    EXPECT_TRUE(cameraControls(camera).isEmpty());
}
