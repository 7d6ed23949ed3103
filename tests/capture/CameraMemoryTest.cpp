#include "capture/CameraMemory.h"
#include "capture/widgets/VideoSourceDialog.h"
#include "support/TempFolder.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <gtest/gtest.h>
#include <map>

using namespace orvane;

namespace {
// A camera that supports only exposure time and colour temperature; every control is listed.
class PartialCamera : public CameraSettings {
  public:
    QStringList formatNames() const override { return {}; }
    int currentFormat() const override { return -1; }
    bool applyFormat(int) override { return false; }
    QList<CameraControl> controls() const override {
        QList<CameraControl> list;
        for (auto [id, supported] : {std::pair(CameraControlId::ExposureCompensation, false),
                                     std::pair(CameraControlId::IsoSensitivity, false),
                                     std::pair(CameraControlId::ExposureTime, true),
                                     std::pair(CameraControlId::ColorTemperature, true),
                                     std::pair(CameraControlId::FocusDistance, false)})
            list << CameraControl{id, cameraControlKey(id), 0, 10000, 1, 0, value(id), supported};
        return list;
    }
    void setControl(CameraControlId id, double v) override { values[id] = v; }
    QString cameraId() const override { return QStringLiteral("/dev/video0:usb-1.2"); }
    double value(CameraControlId id) const { return values.contains(id) ? values.at(id) : 0; }

    std::map<CameraControlId, double> values;
};
} // namespace

TEST(CameraControls, UnsupportedOnesAreGreyedAndChosenValuesReturnAfterARestart) {
    testkit::TempFolder folder;
    PartialCamera camera;
    HardwareConfig hardware;
    hardware.cameraControls[camera.cameraId()]["iso"] = 400; // this camera cannot take it
    {
        VideoSourceDialog dialog(camera, nullptr, [&](CameraControlId id, double value) {
            rememberCameraControl(hardware, camera, id, value);
        });
        EXPECT_FALSE(dialog.findChild<QLabel*>("lblNone")->isVisibleTo(&dialog));
        const QList<QDoubleSpinBox*> spins = dialog.findChildren<QDoubleSpinBox*>();
        ASSERT_EQ(spins.size(), 5);
        const bool enabled[] = {false, false, true, true, false};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(spins[i]->isEnabled(), enabled[i]) << i;
        spins[2]->setValue(12);
        spins[3]->setValue(5600);
    }
    ASSERT_TRUE(saveHardwareConfig(folder.path(), hardware));

    PartialCamera restarted;
    const HardwareConfigLoad loaded = loadHardwareConfig(folder.path());
    EXPECT_TRUE(loaded.warnings.isEmpty()) << loaded.warnings.join('\n').toStdString();
    EXPECT_EQ(loaded.config, hardware);
    restoreCameraControls(restarted, loaded.config);
    EXPECT_EQ(restarted.values,
              (std::map<CameraControlId, double>{{CameraControlId::ExposureTime, 12},
                                                 {CameraControlId::ColorTemperature, 5600}}));
}
