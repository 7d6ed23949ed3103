#include "motion/MotorPortFactory.h"

#include "motion/DisconnectedPort.h"
#include "motion/PpdevPort.h"
#include "motion/RecordingPort.h"
#include "support/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace orvane;
using orvane::testkit::RecordingPort;

TEST(PpdevPort, MissingDeviceOrPlainFileIsRefusedWithDeviceAndReason) {
    QString error;
    EXPECT_EQ(PpdevPort::open(QStringLiteral("/nonexistent/parport7"), &error), nullptr);
    EXPECT_EQ(error, "Cannot open the printer port /nonexistent/parport7: No such file or "
                     "directory.");
    testkit::TempFolder folder;
    const QString path = folder.file(QStringLiteral("notaport"));
    ASSERT_TRUE(QFile(path).open(QIODevice::WriteOnly));
    EXPECT_EQ(PpdevPort::open(path, &error), nullptr);
    EXPECT_TRUE(error.startsWith("Cannot claim the printer port " + path + ": "))
        << qPrintable(error);
}

TEST(MotorPortFactory, UnreachablePortFallsBackToDisconnectedWithOneMessage) {
    RecordingPort bench;
    QString error;
    auto port = openMotorPort(MotorBackend::Ppdev, "/nonexistent/parport3", bench, &error);
    EXPECT_EQ(error, "Cannot open the printer port /nonexistent/parport3: No such file or "
                     "directory. The motors stay disconnected.");
    for (auto backend : {MotorBackend::Ppdev, MotorBackend::Serial, MotorBackend::Disconnected}) {
        port = openMotorPort(backend, "/nonexistent/parport3", bench, &error);
        port->writeData(0x11); // goes nowhere, and the pad is idle
        EXPECT_EQ(port->readStatus(), DisconnectedPort::IdleStatus);
    }
    EXPECT_TRUE(bench.written.empty());

    // An empty device means the first parallel port; where it opens there is nothing to say.
    error.clear();
    port = openMotorPort(MotorBackend::Ppdev, QString(), bench, &error);
    EXPECT_EQ(error.contains(DefaultPpdevDevice), !!dynamic_cast<DisconnectedPort*>(port.get()));
}
