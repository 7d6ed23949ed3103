#include "core/HardwareConfig.h"
#include "core/TextFile.h"
#include "support/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace orvane;

TEST(HardwareConfig, MissingFileGivesTheSimulatedBenchAndSavedValuesReadBack) {
    testkit::TempFolder folder;
    const HardwareConfigLoad none = loadHardwareConfig(folder.path());
    EXPECT_EQ(std::tuple(none.config, none.warnings), std::tuple(HardwareConfig{}, QStringList()));
    const HardwareConfig saved{PortBackend::Serial, "simulated", 57600, "/opt/benches/f5.ini"};
    ASSERT_TRUE(saveHardwareConfig(folder.path(), saved));
    EXPECT_TRUE(QFile::exists(folder.file("orvane-hardware.ini")));
    const HardwareConfigLoad load = loadHardwareConfig(folder.path());
    EXPECT_EQ(std::tuple(load.config, load.warnings), std::tuple(saved, QStringList()));
}

TEST(HardwareConfig, BadValuesFallBackToDefaultsWithOneWarningEach) {
    const std::tuple<const char*, HardwareConfig, const char*> cases[] = {
        {"[port]\nbackend=usb\ndevice=/dev/pp3\n",
         {.portDevice = "/dev/pp3"},
         "port/backend is \"usb\" in \""},
        {"[port]\nbackend=PPDEV\ndevice=parport1\n",
         {.portBackend = PortBackend::Ppdev, .portDevice = "/dev/parport0"},
         "INI\" (line 3); it must be a device such as \"/dev/parport0\", which is used."},
        {"[port\nbackend=ppdev\n", {}, "could not be read; the simulated bench is used."},
        {"[port]\nbackend=Serial\nbaud=fast\n",
         {.portBackend = PortBackend::Serial, .portDevice = "/dev/ttyACM0"},
         "(line 3); it must be a whole number from 1200 to 2000000, so 115200 is used."},
        {"[camera_41]\niso=400\nexposure_time=1e300\n",
         {.cameraControls = {{"A", {{"iso", 400}}}}},
         "camera_41/exposure_time is \"1e300\" in \""},
    };
    for (const auto& [text, config, warned] : cases) {
        testkit::TempFolder folder;
        ASSERT_TRUE(writeTextFile(folder.file("ORVANE-Hardware.INI"), text)); // any letter case
        const HardwareConfigLoad load = loadHardwareConfig(folder.path());
        EXPECT_EQ(std::tuple(load.config, load.warnings.size()), std::tuple(config, 1)) << text;
        EXPECT_TRUE(load.warnings.value(0).contains(warned)) << qPrintable(load.warnings.value(0));
    }
}

TEST(HardwareConfig, RelativeBenchFileIsInTheProgramFolderAndAnUnreadableFileIsNotSaved) {
    testkit::TempFolder folder;
    ASSERT_TRUE(writeTextFile(folder.file("Bench-F4.ini"), "[mirror]\r\n"));
    ASSERT_TRUE(
        writeTextFile(folder.file(HardwareConfigFileName), "[bench]\r\nfile=bench-f4.ini\r\n"));
    EXPECT_EQ(loadHardwareConfig(folder.path()).config.benchFile,
              QDir::toNativeSeparators(folder.file("Bench-F4.ini")));

    testkit::TempFolder other;
    ASSERT_TRUE(QDir(other.path()).mkdir(HardwareConfigFileName)); // a folder, not a file
    EXPECT_EQ(loadHardwareConfig(other.path()).warnings.size(), 1);
    EXPECT_FALSE(saveHardwareConfig(other.path(), HardwareConfig{}));
}
