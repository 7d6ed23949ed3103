#include "motion/MotorPortFactory.h"

#include "motion/DisconnectedPort.h"
#include "motion/PpdevPort.h"
#include "motion/SerialMotorPort.h"

namespace orvane {

namespace {
// Hands the driver a port that someone else owns.
class BorrowedPort : public MotorPort {
  public:
    explicit BorrowedPort(MotorPort& port) : port_(port) {}
    void writeData(quint8 value) override { port_.writeData(value); }
    quint8 readStatus() override { return port_.readStatus(); }

  private:
    MotorPort& port_;
};
} // namespace

std::unique_ptr<MotorPort> openMotorPort(MotorBackend backend, const QString& device,
                                         MotorPort& benchPort, QString* error,
                                         const SerialLine& serial) {
    QString reason;
    switch (backend) {
    case MotorBackend::Bench:
        return std::make_unique<BorrowedPort>(benchPort);
    case MotorBackend::Ppdev:
        if (auto port = PpdevPort::open(device.isEmpty() ? DefaultPpdevDevice : device, &reason))
            return port;
        break;
    case MotorBackend::Serial:
        if (auto port = SerialMotorPort::open(device, serial.baud, &reason)) {
            port->setFailureHandler(serial.onFailure);
            return port;
        }
        break;
    case MotorBackend::Disconnected:
        return std::make_unique<DisconnectedPort>();
    }
    if (error)
        *error = reason + QStringLiteral(" The motors stay disconnected.");
    return std::make_unique<DisconnectedPort>();
}

} // namespace orvane
