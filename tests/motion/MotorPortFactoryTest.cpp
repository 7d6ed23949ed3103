#include "motion/MotorPortFactory.h"

#include "motion/DisconnectedPort.h"
#include "motion/PpdevPort.h"
#include "motion/RecordingPort.h"
#include "motion/StepperDriver.h"
#include "support/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace orvane;
using orvane::testkit::RecordingPort;

TEST(PpdevPort, MissingDeviceNamesTheDeviceAndTheReason) {
    QString error;
    EXPECT_EQ(PpdevPort::open(QStringLiteral("/nonexistent/parport7"), &error), nullptr);
    EXPECT_EQ(error, "Cannot open the printer port /nonexistent/parport7: No such file or "
                     "directory.");
}

TEST(PpdevPort, FileThatIsNoPortCannotBeClaimed) {
    testkit::TempFolder folder;
    const QString path = folder.file(QStringLiteral("notaport"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QString error;
    EXPECT_EQ(PpdevPort::open(path, &error), nullptr);
    EXPECT_TRUE(error.startsWith("Cannot claim the printer port " + path + ": "))
        << qPrintable(error);
}

TEST(MotorPortFactory, UnreachablePortFallsBackToDisconnectedWithOneMessage) {
    RecordingPort bench;
    QString error;
    auto port =
        openMotorPort(MotorBackend::Ppdev, QStringLiteral("/nonexistent/parport3"), bench, &error);
    ASSERT_NE(port, nullptr);
    EXPECT_NE(dynamic_cast<DisconnectedPort*>(port.get()), nullptr);
    EXPECT_TRUE(error.contains("/nonexistent/parport3")) << qPrintable(error);
    EXPECT_TRUE(error.contains("No such file or directory")) << qPrintable(error);
    EXPECT_TRUE(error.endsWith("The motors stay disconnected.")) << qPrintable(error);

    // The program keeps running on it: steps go nowhere and the pad is idle.
    PlatformMenus menus;
    VirtualClock clock;
    StepperDriver driver(*port, menus, clock, [] { return 1; });
    driver.stepKnife(+1);
    EXPECT_EQ(driver.xpos(), 1);
    EXPECT_EQ(driver.readHandpad(), 0);
    EXPECT_TRUE(bench.written.empty());
}

TEST(MotorPortFactory, EmptyDeviceMeansTheFirstParallelPort) {
    RecordingPort bench;
    QString error;
    auto port = openMotorPort(MotorBackend::Ppdev, QString(), bench, &error);
    ASSERT_NE(port, nullptr);
    // On a machine without permission or without the port the message names the default;
    // where the port opens there is nothing to say.
    if (dynamic_cast<DisconnectedPort*>(port.get()))
        EXPECT_TRUE(error.contains(DefaultPpdevDevice)) << qPrintable(error);
    else
        EXPECT_TRUE(error.isEmpty()) << qPrintable(error);
}

TEST(MotorPortFactory, BenchBackendTalksToTheBenchPort) {
    RecordingPort bench;
    bench.status = 0xB0;
    QString error;
    auto port = openMotorPort(MotorBackend::Bench, QString(), bench, &error);
    port->writeData(0x5A);
    EXPECT_EQ(bench.written, std::vector<quint8>{0x5A});
    EXPECT_EQ(port->readStatus(), 0xB0);
    EXPECT_TRUE(error.isEmpty());
}

TEST(MotorPortFactory, DisconnectedBackendIsQuiet) {
    RecordingPort bench;
    QString error;
    auto port = openMotorPort(MotorBackend::Disconnected, QString(), bench, &error);
    port->writeData(0x11);
    EXPECT_EQ(port->readStatus(), DisconnectedPort::IdleStatus);
    EXPECT_TRUE(bench.written.empty());
    EXPECT_TRUE(error.isEmpty());
}

TEST(MotorPortFactory, BackendNamesAreParsedInAnyCase) {
    EXPECT_EQ(parseMotorBackend(u"bench"), MotorBackend::Bench);
    EXPECT_EQ(parseMotorBackend(u" PPDEV "), MotorBackend::Ppdev);
    EXPECT_EQ(parseMotorBackend(u"None"), MotorBackend::Disconnected);
    EXPECT_FALSE(parseMotorBackend(u"lpt1").has_value());
    EXPECT_FALSE(parseMotorBackend(u"").has_value());
}
