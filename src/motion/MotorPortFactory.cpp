#include "motion/MotorPortFactory.h"

#include "motion/DisconnectedPort.h"
#include "motion/PpdevPort.h"

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

std::optional<MotorBackend> parseMotorBackend(QStringView text) {
    const QString word = text.trimmed().toString().toLower();
    if (word == QLatin1String("bench"))
        return MotorBackend::Bench;
    if (word == QLatin1String("ppdev"))
        return MotorBackend::Ppdev;
    if (word == QLatin1String("none"))
        return MotorBackend::Disconnected;
    return std::nullopt;
}

std::unique_ptr<MotorPort> openMotorPort(MotorBackend backend, const QString& device,
                                         MotorPort& benchPort, QString* error) {
    switch (backend) {
    case MotorBackend::Bench:
        return std::make_unique<BorrowedPort>(benchPort);
    case MotorBackend::Ppdev: {
        QString reason;
        if (auto port = PpdevPort::open(device.isEmpty() ? DefaultPpdevDevice : device, &reason))
            return port;
        if (error)
            *error = reason + QStringLiteral(" The motors stay disconnected.");
        return std::make_unique<DisconnectedPort>();
    }
    case MotorBackend::Disconnected:
        break;
    }
    return std::make_unique<DisconnectedPort>();
}

} // namespace orvane
