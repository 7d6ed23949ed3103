#include "FakeFrameSource.h"
#include "capture/CaptureController.h"
#include "capture/QtCameraSource.h"
#include "capture/widgets/VideoFormatDialog.h"
#include "capture/widgets/VideoSourceDialog.h"
#include "capture/widgets/frmSelect.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvane;
using testkit::FakeFrameSource;

namespace {

struct SelectRig {
    explicit SelectRig(QStringList names) : drivers(std::move(names)) {
        flags.Manual = false; // as onSelect leaves it
        CaptureWindowHooks hooks;
        hooks.setMenusEnabled = [this](const VideoMenus& enabled) { menus = enabled; };
        controller =
            std::make_unique<CaptureController>(drivers, flags, VidSource, pump, std::move(hooks));
    }
    frmSelect& open() {
        dialog = std::make_unique<frmSelect>(drivers, *controller);
        dialog->show();
        return *dialog;
    }
    QComboBox* list() const { return dialog->findChild<QComboBox*>("cmboSource"); }
    void click(const char* name) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(name), Qt::LeftButton);
    }

    FakeFrameSource drivers;
    RunFlags flags;
    int VidSource = 0;
    CallbackEventPump pump;
    std::optional<VideoMenus> menus;
    std::unique_ptr<CaptureController> controller;
    std::unique_ptr<frmSelect> dialog;
};

class FakeCameraSettings : public CameraSettings {
  public:
    QStringList formatNames() const override { return formats; }
    int currentFormat() const override { return current; }
    bool applyFormat(int index) override {
        applied << index;
        return true;
    }
    QList<CameraControl> controls() const override { return offered; }
    void setControl(CameraControlId id, double value) override { changes.append({id, value}); }

    QStringList formats;
    int current = -1;
    QList<int> applied;
    QList<CameraControl> offered;
    QList<std::pair<CameraControlId, double>> changes;
};

void press(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
}

} // namespace

TEST(frmSelect, ShowsItsCaptionsAndOpensModeless) {
    SelectRig rig({"Bench"});
    frmSelect& dialog = rig.open();
    EXPECT_EQ(dialog.windowTitle(), "Video Source");
    EXPECT_EQ(dialog.findChild<QLabel*>("lblDriver")->text(), "Installed Drivers:");
    EXPECT_EQ(dialog.findChild<QPushButton*>("cmdSelect")->text(), "Select");
    EXPECT_EQ(dialog.findChild<QPushButton*>("cmdCancel")->text(), "Cancel");
    EXPECT_FALSE(dialog.isModal());
}

TEST(frmSelect, ListsEveryDriverAndPreselectsTheConnectedOne) {
    SelectRig rig({"Bench", "USB Camera"});
    ASSERT_TRUE(rig.drivers.connectDriver(1));
    rig.open();
    ASSERT_EQ(rig.list()->count(), 2);
    EXPECT_EQ(rig.list()->itemText(0), "Bench");
    EXPECT_EQ(rig.list()->itemText(1), "USB Camera");
    EXPECT_EQ(rig.list()->currentIndex(), 1);

    rig.drivers.names.removeLast(); // the connected driver is gone from the list
    rig.open();
    EXPECT_EQ(rig.list()->count(), 1);
    EXPECT_EQ(rig.list()->currentIndex(), -1);
}

TEST(frmSelect, WithoutCapabilitiesNothingIsPreselectedAndSelectOnlyResumes) {
    SelectRig rig({"Bench", "USB Camera"});
    rig.open();
    EXPECT_EQ(rig.list()->currentIndex(), -1);
    rig.click("cmdSelect");
    EXPECT_TRUE(rig.drivers.connectRequests.isEmpty());
    EXPECT_TRUE(rig.flags.Manual);
    EXPECT_FALSE(rig.dialog->isVisible());
}

TEST(frmSelect, NoDriversGivesAnEmptyListAndSelectOnlyResumes) {
    SelectRig rig({});
    rig.VidSource = 2;
    rig.open();
    EXPECT_EQ(rig.list()->count(), 0);
    rig.click("cmdSelect");
    EXPECT_TRUE(rig.flags.Manual);
    EXPECT_EQ(rig.VidSource, 2);
    EXPECT_FALSE(rig.menus.has_value());
    EXPECT_FALSE(rig.dialog->isVisible());
}

TEST(frmSelect, ChoosingADriverConnectsItAndSetsItsMenus) {
    SelectRig rig({"Bench", "USB Camera"});
    rig.drivers.capsByDriver[1] = testkit::capsWithDialogs(true, true, false);
    ASSERT_TRUE(rig.drivers.connectDriver(0));
    rig.open();
    rig.list()->setCurrentIndex(1);
    rig.click("cmdSelect");
    EXPECT_EQ(rig.drivers.connected, 1);
    EXPECT_EQ(rig.VidSource, 1);
    EXPECT_EQ(rig.menus, (VideoMenus{true, true, false}));
    EXPECT_TRUE(rig.flags.Manual);
}

TEST(frmSelect, CancelAndCloseBoxResumeTheLoopWithoutConnecting) {
    SelectRig rig({"Bench", "USB Camera"});
    rig.open();
    rig.list()->setCurrentIndex(1);
    rig.click("cmdCancel");
    EXPECT_TRUE(rig.flags.Manual);
    EXPECT_FALSE(rig.dialog->isVisible());

    rig.flags.Manual = false;
    rig.open().close();
    EXPECT_TRUE(rig.flags.Manual);
    EXPECT_TRUE(rig.drivers.connectRequests.isEmpty());
    EXPECT_EQ(rig.VidSource, 0);
}

TEST(VideoFormatDialog, OkSwitchesToTheChosenFormat) {
    FakeCameraSettings camera;
    camera.formats = {"640 x 480, 30 fps, YUYV", "320 x 240, 30 fps, YUYV",
                      "1280 x 720, 10 fps, MJPEG"};
    camera.current = 0;
    VideoFormatDialog dialog(camera);
    dialog.show();
    auto* list = dialog.findChild<QListWidget*>("lstFormats");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(dialog.findChild<QLabel*>("lblNone"), nullptr);
    list->setCurrentRow(2);
    press(dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(camera.applied, QList<int>{2});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(VideoFormatDialog, CancelOrTheSameFormatChangesNothing) {
    FakeCameraSettings camera;
    camera.formats = {"640 x 480, 30 fps, YUYV", "320 x 240, 30 fps, YUYV"};
    camera.current = 1;
    {
        VideoFormatDialog dialog(camera);
        dialog.show();
        dialog.findChild<QListWidget*>("lstFormats")->setCurrentRow(0);
        press(dialog, QDialogButtonBox::Cancel);
    }
    {
        VideoFormatDialog dialog(camera);
        dialog.show();
        press(dialog, QDialogButtonBox::Ok);
    }
    EXPECT_TRUE(camera.applied.isEmpty());
}

TEST(VideoFormatDialog, SaysPlainlyWhenThereAreNoFormats) {
    QtCameraSource noCamera;
    VideoFormatDialog dialog(noCamera);
    dialog.show();
    auto* none = dialog.findChild<QLabel*>("lblNone");
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->text(), "The connected driver offers no camera formats.");
    EXPECT_FALSE(dialog.findChild<QListWidget*>("lstFormats")->isVisible());
    press(dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(VideoSourceDialog, OffersEachControlWithItsRangeAndAppliesChanges) {
    FakeCameraSettings camera;
    camera.offered = {
        {CameraControlId::ExposureCompensation, "Exposure compensation (EV)", -2, 2, 0.1, 1, 0.5},
        {CameraControlId::ColorTemperature, "Colour temperature (K)", 2000, 10000, 100, 0, 6500}};
    VideoSourceDialog dialog(camera);
    dialog.show();
    EXPECT_EQ(dialog.findChild<QLabel*>("lblNone"), nullptr);
    const QList<QDoubleSpinBox*> spins = dialog.findChildren<QDoubleSpinBox*>();
    ASSERT_EQ(spins.size(), 2);
    EXPECT_EQ(spins[0]->accessibleName(), "Exposure compensation (EV)");
    EXPECT_DOUBLE_EQ(spins[0]->minimum(), -2);
    EXPECT_DOUBLE_EQ(spins[0]->maximum(), 2);
    EXPECT_DOUBLE_EQ(spins[0]->value(), 0.5);
    EXPECT_DOUBLE_EQ(spins[1]->value(), 6500);
    EXPECT_TRUE(camera.changes.isEmpty()); // showing changes nothing

    spins[0]->setValue(-1.2);
    spins[1]->setValue(12000); // beyond the range: clamped
    ASSERT_EQ(camera.changes.size(), 2);
    EXPECT_EQ(camera.changes[0].first, CameraControlId::ExposureCompensation);
    EXPECT_DOUBLE_EQ(camera.changes[0].second, -1.2);
    EXPECT_EQ(camera.changes[1].first, CameraControlId::ColorTemperature);
    EXPECT_DOUBLE_EQ(camera.changes[1].second, 10000);
}

TEST(VideoSourceDialog, SaysPlainlyWhenTheCameraHasNoControls) {
    QtCameraSource noCamera;
    VideoSourceDialog dialog(noCamera);
    dialog.show();
    auto* none = dialog.findChild<QLabel*>("lblNone");
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->text(), "This camera offers no exposure or brightness controls.");
    EXPECT_TRUE(dialog.findChildren<QDoubleSpinBox*>().isEmpty());
    press(dialog, QDialogButtonBox::Close);
    EXPECT_FALSE(dialog.isVisible());
}
