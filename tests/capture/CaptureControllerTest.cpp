#include "capture/CaptureController.h"
#include "capture/CaptureDrivers.h"
#include "capture/widgets/frmSelect.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvane;

namespace {
// A driver list whose names, refused drivers and dialogs the test sets.
struct FakeDrivers : FrameSource {
    explicit FakeDrivers(QStringList driverNames) : names(std::move(driverNames)) {}
    std::optional<QString> driverName(int i) const override {
        return i >= 0 && i < names.size() ? std::optional(names[i]) : std::nullopt;
    }
    bool connectDriver(int i) override {
        connected = driverName(i) && !refused.contains(i) ? i : -1;
        return connected >= 0;
    }
    std::optional<DriverCaps> capabilities() const override {
        DriverCaps caps = dialogs;
        caps.deviceIndex = connected;
        return connected >= 0 ? std::optional(caps) : std::nullopt;
    }
    bool grab(QImage&) override { return connected >= 0; }
    void disconnectDriver() override { connected = -1; }
    void setPaused(bool held) override { paused = held; }

    QStringList names;
    QList<int> refused;
    DriverCaps dialogs; // of every driver
    int connected = -1;
    bool paused = false;
};

// The main window's side: the menus the controller last set, and what each dialog and each
// pump of events saw of the live mode.
struct Window {
    explicit Window(QStringList names) : drivers(std::move(names)) {}
    CaptureController controller() {
        auto show = [this](const char* what) {
            return [this, what] {
                log << QStringLiteral("%1 %2").arg(what).arg(program.liveAllowed());
            };
        };
        return CaptureController(drivers, program, VidSource, pump,
                                 {[this](const VideoMenus& enabled) { menus = enabled; },
                                  show("format"), show("source"), show("display"), show("select")});
    }
    FakeDrivers drivers;
    ProgramState program;
    int VidSource = 1;
    CallbackEventPump pump{[this] { log << QStringLiteral("pump %1").arg(program.liveAllowed()); }};
    std::optional<VideoMenus> menus;
    QStringList log;
};
} // namespace

TEST(CaptureController, StartupNamesTheMenusOfMissingDialogsAndDriverDialogsStopTheLoop) {
    Window window({"Bench", "Camera"});
    window.drivers.dialogs = {.hasSourceDialog = true, .hasDisplayDialog = true};
    CaptureController capture = window.controller();
    const StartupConnection startup = capture.connectAtStartup();
    EXPECT_EQ(std::tuple(startup.driverName, startup.connected, startup.toDisable),
              std::tuple("Camera", true, VideoMenus{false, true, false}));
    QImage Picture1;
    EXPECT_TRUE(capture.grabInto(Picture1));
    capture.shutdown();
    EXPECT_FALSE(capture.grabInto(Picture1));

    window.drivers.refused = {1}; // a failed connection disables nothing
    const StartupConnection failed = capture.connectAtStartup();
    EXPECT_EQ(std::tuple(failed.driverName, failed.connected, failed.toDisable),
              std::tuple("Camera", false, VideoMenus{}));
    window.VidSource = 4; // beyond the list
    EXPECT_EQ(capture.connectAtStartup().driverName, "");

    // Driver dialogs stop the live loop while they own the camera; the display dialog does not.
    window.program.enterLive();
    capture.onFormat();
    capture.onSource();
    capture.onDisplay();
    capture.onSelect(); // the loop stays stopped until the selection dialog answers
    EXPECT_EQ(window.log, QStringList({"pump 0", "format 0", "pump 0", "source 0", "display 1",
                                       "pump 0", "select 0"}));
    EXPECT_FALSE(window.program.liveAllowed() ||
                 window.menus); // start-up leaves the menus to the caller
}

TEST(frmSelect, ConnectsTheChosenDriverOrOnlyResumesTheLiveLoop) {
    Window window({"Bench", "Camera", "USB"});
    window.drivers.dialogs = {.hasSourceDialog = true, .hasFormatDialog = true};
    window.drivers.refused = {2};
    ASSERT_TRUE(window.drivers.connectDriver(1));
    CaptureController capture = window.controller();
    // Nothing chosen, a driver that fails, cancel, then a driver that connects.
    for (const auto& [choice, button] :
         {std::pair(-1, "cmdSelect"), {2, "cmdSelect"}, {0, "cmdCancel"}, {0, "cmdSelect"}}) {
        capture.onSelect();
        frmSelect dialog(window.drivers, capture);
        auto* list = dialog.findChild<QComboBox*>("cmboSource");
        EXPECT_EQ(std::tuple(list->count(), list->currentIndex(), dialog.isModal()),
                  std::tuple(3, window.drivers.connected, false)); // the connected one is chosen
        list->setCurrentIndex(choice);
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
        EXPECT_EQ(std::tuple(window.VidSource, window.program.liveAllowed()), // 0 once it connects
                  std::tuple(window.menus ? 0 : 1, true));
    }
    EXPECT_EQ(window.menus, (VideoMenus{true, true, false}));
}

TEST(CaptureDrivers, BenchIsDriverZeroThenTheCamerasInTheirOrder) {
    FakeDrivers bench{{"inner bench name"}}, cameras{{"USB Camera A", "USB Camera B"}};
    cameras.dialogs = {.hasFormatDialog = true};
    CaptureDrivers drivers(bench, cameras);
    EXPECT_EQ(std::tuple(drivers.driverName(0), drivers.driverName(1), drivers.driverName(2)),
              std::tuple(BenchDriverName, "USB Camera A", "USB Camera B"));
    ASSERT_TRUE(drivers.connectDriver(0) && drivers.connectDriver(2)); // lets go of the bench
    EXPECT_EQ(std::tuple(bench.connected, cameras.connected), std::tuple(-1, 1));
    const DriverCaps caps = drivers.capabilities().value();
    EXPECT_EQ(std::tuple(caps.deviceIndex, caps.hasFormatDialog), std::tuple(2, true));
    cameras.refused = {0};
    QImage picture;
    EXPECT_FALSE(drivers.connectDriver(1) || drivers.capabilities() || drivers.grab(picture) ||
                 drivers.connectDriver(3) || drivers.driverName(3) || drivers.driverName(-1));

    // A video file comes after the cameras, wherever they end.
    FakeDrivers video{{"Video file…"}};
    for (const auto& names : {QStringList{}, QStringList{"USB Camera A", "USB Camera B"}}) {
        FakeDrivers someCameras{names};
        CaptureDrivers withVideo(bench, someCameras, &video);
        const int at = int(names.size()) + 1;
        EXPECT_EQ(std::tuple(withVideo.driverName(at), withVideo.driverName(at + 1)),
                  std::tuple(std::optional<QString>("Video file…"), std::nullopt));
        ASSERT_TRUE(withVideo.connectDriver(at));
        withVideo.setPaused(!video.paused); // the pause reaches the connected driver
        EXPECT_EQ(std::tuple(video.connected, withVideo.capabilities()->deviceIndex, video.paused),
                  std::tuple(0, at, names.isEmpty()));
    }
}
