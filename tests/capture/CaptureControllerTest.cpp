#include "capture/CaptureController.h"
#include "FakeFrameSource.h"

#include <gtest/gtest.h>

using namespace orvane;
using testkit::FakeFrameSource;

namespace {

// The main window's side: three menu items (enabled at design time) and a log of what the
// dialogs saw of the Manual flag.
struct MainWindowDouble {
    explicit MainWindowDouble(QStringList names) : drivers(std::move(names)) {}

    CaptureController makeController() {
        CaptureWindowHooks hooks;
        hooks.setMenusEnabled = [this](const VideoMenus& enabled) {
            menus = enabled;
            ++menuUpdates;
        };
        hooks.showFormatDialog = [this] {
            log << QStringLiteral("format Manual=%1").arg(flags.Manual);
        };
        hooks.showSourceDialog = [this] {
            log << QStringLiteral("source Manual=%1").arg(flags.Manual);
        };
        hooks.showDisplayDialog = [this] {
            log << QStringLiteral("display Manual=%1").arg(flags.Manual);
        };
        hooks.showSelectDialog = [this] {
            log << QStringLiteral("select Manual=%1").arg(flags.Manual);
        };
        return CaptureController(drivers, flags, VidSource, pump, std::move(hooks));
    }

    void applyStartup(const StartupConnection& startup) {
        menus.mnuSource = menus.mnuSource && !startup.toDisable.mnuSource;
        menus.mnuFormat = menus.mnuFormat && !startup.toDisable.mnuFormat;
        menus.mnuDisplay = menus.mnuDisplay && !startup.toDisable.mnuDisplay;
    }

    FakeFrameSource drivers;
    RunFlags flags;
    int VidSource = 0;
    CallbackEventPump pump{[this] { log << QStringLiteral("pump Manual=%1").arg(flags.Manual); }};
    VideoMenus menus{true, true, true};
    int menuUpdates = 0;
    QStringList log;
};

} // namespace

TEST(CaptureControllerStartup, DriverWithoutFormatDialogDisablesFormatOnly) {
    MainWindowDouble window({"Bench", "Camera"});
    window.drivers.capsByDriver[1] = testkit::capsWithDialogs(true, false, true);
    window.VidSource = 1;
    CaptureController capture = window.makeController();

    const StartupConnection startup = capture.connectAtStartup();
    EXPECT_EQ(startup.driverName, "Camera");
    EXPECT_TRUE(startup.connected);
    EXPECT_EQ(startup.toDisable, (VideoMenus{false, true, false}));
    EXPECT_EQ(window.drivers.connectRequests, QList<int>{1});
    EXPECT_EQ(window.menuUpdates, 0); // start-up leaves the menus to the caller
}

TEST(CaptureControllerStartup, FailedConnectionLeavesEveryMenuEnabledAndGrabsKeepThePicture) {
    MainWindowDouble window({"Bench"});
    window.drivers.refused = {0};
    CaptureController capture = window.makeController();

    const StartupConnection startup = capture.connectAtStartup();
    EXPECT_FALSE(startup.connected);
    EXPECT_EQ(startup.driverName, "Bench");
    EXPECT_EQ(startup.toDisable, VideoMenus{});

    QImage Picture1 = FakeFrameSource::solidFrame(Qt::white);
    EXPECT_FALSE(capture.grabInto(Picture1));
    EXPECT_EQ(Picture1.pixelColor(3, 3), QColor(Qt::white));

    window.VidSource = 4; // beyond the list
    const StartupConnection beyond = capture.connectAtStartup();
    EXPECT_TRUE(beyond.driverName.isEmpty());
    EXPECT_FALSE(beyond.connected);
}

TEST(CaptureControllerGrab, GrabPutsTheDriversFrameIntoPicture1UntilFramesStop) {
    MainWindowDouble window({"Bench"});
    window.drivers.frame = FakeFrameSource::solidFrame(Qt::darkRed);
    CaptureController capture = window.makeController();
    ASSERT_TRUE(capture.connectAtStartup().connected);

    QImage Picture1;
    ASSERT_TRUE(capture.grabInto(Picture1));
    EXPECT_EQ(Picture1.pixelColor(0, 0), QColor(Qt::darkRed));

    window.drivers.framesFlow = false;
    window.drivers.frame = FakeFrameSource::solidFrame(Qt::black);
    EXPECT_FALSE(capture.grabInto(Picture1));
    EXPECT_EQ(Picture1.pixelColor(0, 0), QColor(Qt::darkRed));
}

TEST(CaptureControllerSelect, DriverWithFormatDialogEnablesFormatAgainAfterStartup) {
    MainWindowDouble window({"Bench", "Camera"});
    window.drivers.capsByDriver[0] = testkit::capsWithDialogs(false, false, false);
    window.drivers.capsByDriver[1] = testkit::capsWithDialogs(true, true, false);
    CaptureController capture = window.makeController();
    window.applyStartup(capture.connectAtStartup());
    EXPECT_EQ(window.menus, VideoMenus{});

    capture.onSelect();
    EXPECT_FALSE(window.flags.Manual);
    EXPECT_TRUE(capture.selectDriver(1));
    EXPECT_EQ(window.VidSource, 1);
    EXPECT_EQ(window.menus, (VideoMenus{true, true, false}));
    EXPECT_TRUE(window.flags.Manual);
}

TEST(CaptureControllerSelect, SelectionSetsMenusBothWays) {
    MainWindowDouble window({"Bench", "Camera"});
    window.drivers.capsByDriver[0] = testkit::capsWithDialogs(false, true, true);
    CaptureController capture = window.makeController();
    window.menus = VideoMenus{true, false, false};
    ASSERT_TRUE(capture.selectDriver(0));
    EXPECT_EQ(window.menus, (VideoMenus{false, true, true}));
}

TEST(CaptureControllerSelect, FailedConnectionKeepsVidSourceAndMenusButResumesTheLoop) {
    MainWindowDouble window({"Bench", "Camera"});
    window.drivers.refused = {1};
    CaptureController capture = window.makeController();
    capture.onSelect();
    EXPECT_FALSE(capture.selectDriver(1));
    EXPECT_EQ(window.VidSource, 0);
    EXPECT_EQ(window.menuUpdates, 0);
    EXPECT_TRUE(window.flags.Manual);
}

TEST(CaptureControllerSelect, NothingChosenOrCancelOnlyResumesTheLoop) {
    MainWindowDouble window({"Bench"});
    window.VidSource = 0;
    CaptureController capture = window.makeController();
    capture.onSelect();
    EXPECT_FALSE(capture.selectDriver(-1));
    EXPECT_TRUE(window.flags.Manual);
    EXPECT_TRUE(window.drivers.connectRequests.isEmpty());

    capture.onSelect();
    EXPECT_FALSE(window.flags.Manual);
    capture.cancelSelection();
    EXPECT_TRUE(window.flags.Manual);
    EXPECT_TRUE(window.drivers.connectRequests.isEmpty());
    EXPECT_EQ(window.menuUpdates, 0);
}

TEST(CaptureControllerMenus, DriverDialogsStopTheLoopExceptDisplay) {
    MainWindowDouble window({"Bench"});
    window.flags.Manual = true;
    CaptureController capture = window.makeController();
    capture.onFormat();
    capture.onSource();
    capture.onDisplay();
    EXPECT_EQ(window.log, QStringList({"pump Manual=0", "format Manual=0", "pump Manual=0",
                                       "source Manual=0", "display Manual=1"}));
    EXPECT_TRUE(window.flags.Manual);

    capture.onSelect(); // the loop stays stopped until the dialog answers
    EXPECT_EQ(window.log.mid(5), QStringList({"pump Manual=0", "select Manual=0"}));
    EXPECT_FALSE(window.flags.Manual);
}

TEST(CaptureControllerMenus, UnwiredDialogsStillRestoreTheLoop) {
    FakeFrameSource drivers({"Bench"});
    RunFlags flags;
    int VidSource = 0;
    CallbackEventPump pump;
    CaptureController capture(drivers, flags, VidSource, pump, CaptureWindowHooks{});
    capture.onFormat();
    EXPECT_TRUE(flags.Manual);
    capture.onDisplay();
    capture.onSelect();
    EXPECT_FALSE(flags.Manual);
    EXPECT_TRUE(capture.selectDriver(0)); // no menu hook: still connects
    EXPECT_TRUE(flags.Manual);
    EXPECT_EQ(pump.count(), 2);
}

TEST(CaptureControllerShutdown, ShutdownLetsGoOfTheDriver) {
    MainWindowDouble window({"Bench"});
    CaptureController capture = window.makeController();
    ASSERT_TRUE(capture.connectAtStartup().connected);
    capture.shutdown();
    EXPECT_EQ(window.drivers.connected, -1);
    QImage Picture1 = FakeFrameSource::solidFrame(Qt::blue);
    EXPECT_FALSE(capture.grabInto(Picture1));
    EXPECT_EQ(Picture1.pixelColor(0, 0), QColor(Qt::blue));
}
