#include "capture/CaptureDrivers.h"
#include "FakeFrameSource.h"
#include "capture/QtCameraSource.h"

#include <QCameraDevice>
#include <QMediaDevices>
#include <gtest/gtest.h>

using namespace orvane;
using testkit::FakeFrameSource;

namespace {

struct TwoCameraRig {
    TwoCameraRig() {
        bench.capsByDriver[0] = testkit::capsWithDialogs(false, false, false);
        bench.frame = FakeFrameSource::solidFrame(Qt::gray);
        cameras.capsByDriver[1] = testkit::capsWithDialogs(true, true, false);
        cameras.frame = FakeFrameSource::solidFrame(Qt::yellow);
    }
    FakeFrameSource bench{{"inner bench name"}};
    FakeFrameSource cameras{{"USB Camera A", "USB Camera B"}};
    CaptureDrivers drivers{bench, cameras};
};

} // namespace

TEST(CaptureDrivers, BenchComesFirstThenTheCamerasInTheirOrder) {
    TwoCameraRig rig;
    EXPECT_EQ(rig.drivers.driverName(0), BenchDriverName);
    EXPECT_EQ(rig.drivers.driverName(1), "USB Camera A");
    EXPECT_EQ(rig.drivers.driverName(2), "USB Camera B");
    EXPECT_EQ(rig.drivers.driverName(3), std::nullopt);
    EXPECT_EQ(rig.drivers.driverName(-1), std::nullopt);
}

TEST(CaptureDrivers, ConnectedCameraReportsItsPlaceInTheWholeList) {
    TwoCameraRig rig;
    ASSERT_TRUE(rig.drivers.connectDriver(2));
    EXPECT_EQ(rig.cameras.connectRequests, QList<int>{1});
    const auto caps = rig.drivers.capabilities();
    ASSERT_TRUE(caps.has_value());
    EXPECT_EQ(caps->deviceIndex, 2);
    EXPECT_TRUE(caps->hasFormatDialog);
    EXPECT_TRUE(caps->hasSourceDialog);
    EXPECT_FALSE(caps->hasDisplayDialog);

    QImage picture;
    ASSERT_TRUE(rig.drivers.grab(picture));
    EXPECT_EQ(picture.pixelColor(5, 5), QColor(Qt::yellow));
    EXPECT_EQ(rig.bench.grabs, 0);
}

TEST(CaptureDrivers, BenchIsDriverZeroWithItsOwnFramesAndNoDialogs) {
    TwoCameraRig rig;
    ASSERT_TRUE(rig.drivers.connectDriver(0));
    EXPECT_EQ(rig.bench.connectRequests, QList<int>{0});
    const auto caps = rig.drivers.capabilities();
    ASSERT_TRUE(caps.has_value());
    EXPECT_EQ(caps->deviceIndex, 0);
    EXPECT_FALSE(caps->hasFormatDialog || caps->hasSourceDialog || caps->hasDisplayDialog);
    QImage picture;
    ASSERT_TRUE(rig.drivers.grab(picture));
    EXPECT_EQ(picture.pixelColor(5, 5), QColor(Qt::gray));
}

TEST(CaptureDrivers, SwitchingDriversLetsGoOfThePreviousOne) {
    TwoCameraRig rig;
    ASSERT_TRUE(rig.drivers.connectDriver(0));
    ASSERT_TRUE(rig.drivers.connectDriver(1));
    EXPECT_EQ(rig.bench.disconnects, 1);
    EXPECT_EQ(rig.bench.connected, -1);
    rig.drivers.disconnectDriver();
    EXPECT_EQ(rig.cameras.disconnects, 1);
    EXPECT_EQ(rig.drivers.capabilities(), std::nullopt);
}

TEST(CaptureDrivers, FailedOrImpossibleConnectionLeavesNoDriverAndGrabsKeepThePicture) {
    TwoCameraRig rig;
    ASSERT_TRUE(rig.drivers.connectDriver(0));
    rig.cameras.refused = {0};
    EXPECT_FALSE(rig.drivers.connectDriver(1));
    EXPECT_EQ(rig.drivers.capabilities(), std::nullopt);

    QImage picture = FakeFrameSource::solidFrame(Qt::red);
    EXPECT_FALSE(rig.drivers.grab(picture));
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(rig.bench.grabs + rig.cameras.grabs, 0);
    EXPECT_FALSE(rig.drivers.connectDriver(3));
    EXPECT_FALSE(rig.drivers.connectDriver(-1));
}

TEST(CaptureDrivers, WithTheSystemCamerasTheListIsTheBenchPlusEachCamera) {
    // On a machine without cameras this is the bench alone.
    FakeFrameSource bench{{"bench"}};
    QtCameraSource cameras;
    CaptureDrivers drivers(bench, cameras);
    const int cameraCount = int(QMediaDevices::videoInputs().size());

    int listed = 0;
    while (drivers.driverName(listed))
        ++listed;
    EXPECT_EQ(listed, 1 + cameraCount);
    EXPECT_FALSE(drivers.connectDriver(1 + cameraCount));
    ASSERT_TRUE(drivers.connectDriver(0));
    QImage picture;
    EXPECT_TRUE(drivers.grab(picture));
}
