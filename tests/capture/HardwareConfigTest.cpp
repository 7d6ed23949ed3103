#include "app/core/HardwareConfig.h"
#include "app/core/TextFile.h"
#include "support/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

void writeHardwareFile(const testkit::TempFolder& folder, const QString& text) {
    ASSERT_TRUE(writeTextFile(folder.file(HardwareConfigFileName), text));
}

} // namespace

TEST(HardwareConfig, MissingFileGivesTheSimulatedBenchWithoutWarning) {
    testkit::TempFolder folder;
    const HardwareConfigLoad load = loadHardwareConfig(folder.path());
    EXPECT_EQ(load.config.portBackend, PortBackend::Bench);
    EXPECT_EQ(load.config.portDevice, "/dev/parport0");
    EXPECT_TRUE(load.config.benchFile.isEmpty());
    EXPECT_TRUE(load.warnings.isEmpty());
}

TEST(HardwareConfig, SavedValuesReadBackInTheirOwnFile) {
    testkit::TempFolder folder;
    const HardwareConfig saved{PortBackend::Ppdev, "/dev/parport1", "/opt/benches/f5.ini"};
    ASSERT_TRUE(saveHardwareConfig(folder.path(), saved));
    EXPECT_TRUE(QFileInfo::exists(folder.file("orvane-hardware.ini")));
    EXPECT_FALSE(QFileInfo::exists(folder.file("orvane.ini")));

    const HardwareConfigLoad load = loadHardwareConfig(folder.path());
    EXPECT_EQ(load.config, saved);
    EXPECT_TRUE(load.warnings.isEmpty());
}

TEST(HardwareConfig, KeysAreTheDocumentedSectionsAndNames) {
    testkit::TempFolder folder;
    writeHardwareFile(folder, "[port]\r\nbackend=ppdev\r\ndevice=/dev/parport2\r\n"
                              "[bench]\r\nfile=/opt/bench.ini\r\n");
    const HardwareConfigLoad load = loadHardwareConfig(folder.path());
    EXPECT_EQ(load.config, (HardwareConfig{PortBackend::Ppdev, "/dev/parport2", "/opt/bench.ini"}));
    EXPECT_TRUE(load.warnings.isEmpty());

    ASSERT_TRUE(saveHardwareConfig(folder.path(), HardwareConfig{}));
    const auto lines = readTextLines(folder.file(HardwareConfigFileName));
    ASSERT_TRUE(lines.has_value());
    EXPECT_TRUE(lines->contains("backend=bench"));
    EXPECT_TRUE(lines->contains("device=/dev/parport0"));
}

TEST(HardwareConfig, FileNameIsFoundWhateverItsLetterCase) {
    testkit::TempFolder folder;
    ASSERT_TRUE(writeTextFile(folder.file("ORVANE-Hardware.INI"), "[port]\nbackend=PPDEV\n"));
    EXPECT_EQ(loadHardwareConfig(folder.path()).config.portBackend, PortBackend::Ppdev);
}

TEST(HardwareConfig, UnknownBackendFallsBackToTheBenchWithAWarning) {
    testkit::TempFolder folder;
    writeHardwareFile(folder, "[port]\nbackend=usb\ndevice=/dev/parport3\n");
    const HardwareConfigLoad load = loadHardwareConfig(folder.path());
    EXPECT_EQ(load.config.portBackend, PortBackend::Bench);
    EXPECT_EQ(load.config.portDevice, "/dev/parport3"); // the good value is still taken
    ASSERT_EQ(load.warnings.size(), 1);
    EXPECT_TRUE(load.warnings[0].contains("port/backend"));
    EXPECT_TRUE(load.warnings[0].contains("\"usb\""));
}

TEST(HardwareConfig, EmptyDeviceFallsBackToTheDefaultDeviceWithAWarning) {
    testkit::TempFolder folder;
    writeHardwareFile(folder, "[port]\nbackend=ppdev\ndevice=  \n");
    const HardwareConfigLoad load = loadHardwareConfig(folder.path());
    EXPECT_EQ(load.config.portBackend, PortBackend::Ppdev);
    EXPECT_EQ(load.config.portDevice, "/dev/parport0");
    ASSERT_EQ(load.warnings.size(), 1);
    EXPECT_TRUE(load.warnings[0].contains("port/device"));
}

TEST(HardwareConfig, BrokenFileGivesAllDefaultsWithAWarning) {
    testkit::TempFolder folder;
    writeHardwareFile(folder, "[port\nbackend=ppdev\n");
    const HardwareConfigLoad load = loadHardwareConfig(folder.path());
    EXPECT_EQ(load.config, HardwareConfig{});
    ASSERT_EQ(load.warnings.size(), 1);
    EXPECT_TRUE(load.warnings[0].contains("orvane-hardware.ini"));
}

TEST(HardwareConfig, UnreadablePathGivesDefaultsAndSavingThereFails) {
    testkit::TempFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(HardwareConfigFileName)); // a folder, not a file
    const HardwareConfigLoad load = loadHardwareConfig(folder.path());
    EXPECT_EQ(load.config, HardwareConfig{});
    EXPECT_EQ(load.warnings.size(), 1);
    EXPECT_FALSE(saveHardwareConfig(folder.path(), HardwareConfig{}));
}

TEST(HardwareConfig, SavingOverABrokenFileRepairsIt) {
    testkit::TempFolder folder;
    writeHardwareFile(folder, "[port\nbackend=usb\n");
    const HardwareConfig saved{PortBackend::Ppdev, "/dev/parport0", ""};
    ASSERT_TRUE(saveHardwareConfig(folder.path(), saved));
    const HardwareConfigLoad load = loadHardwareConfig(folder.path());
    EXPECT_EQ(load.config, saved);
    EXPECT_TRUE(load.warnings.isEmpty());
}

TEST(HardwareConfig, RelativeBenchFileIsFoundInTheProgramFolder) {
    testkit::TempFolder folder;
    ASSERT_TRUE(writeTextFile(folder.file("Bench-F4.ini"), "[mirror]\r\n"));
    writeHardwareFile(folder, "[bench]\r\nfile=bench-f4.ini\r\n");
    EXPECT_EQ(loadHardwareConfig(folder.path()).config.benchFile,
              QDir::toNativeSeparators(folder.file("Bench-F4.ini")));
}
