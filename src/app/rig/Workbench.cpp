#include "app/rig/Workbench.h"

#include "motion/DisconnectedPort.h"
#include "motion/MotorPortFactory.h"
#include "motion/SerialMotorPort.h"

namespace orvane {

namespace {
MotorBackend motorBackendFor(PortBackend backend) {
    switch (backend) {
    case PortBackend::Ppdev:
        return MotorBackend::Ppdev;
    case PortBackend::Serial:
        return MotorBackend::Serial;
    case PortBackend::Bench:
        break;
    }
    return MotorBackend::Bench;
}
} // namespace

BenchConfig Workbench::benchConfigFor(QString& path, QStringList& problems) {
    if (path.isEmpty())
        return {};
    QString error;
    if (auto config = loadBenchConfig(path, &error))
        return *config;
    problems << error + QStringLiteral(" The built-in bench is used instead.");
    path.clear();
    return {};
}

Workbench::Workbench(const HardwareConfig& hardware, const QString& benchFileOverride,
                     const PlatformMenus& menus, Clock& clock, std::function<int()> mindelay,
                     std::function<void(const QString&)> onMotorFailure)
    : benchFile_(benchFileOverride.isEmpty() ? hardware.benchFile : benchFileOverride),
      motorsOnBench_(hardware.portBackend == PortBackend::Bench || hardware.simulatedBoard()),
      bench_(benchConfigFor(benchFile_, problems_)),
      port_(openPort(hardware, std::move(onMotorFailure))),
      driver_(*port_, menus, clock, std::move(mindelay)) {
    bench_.setDriftClock(clock);
}

std::unique_ptr<MotorPort> Workbench::openPort(const HardwareConfig& hardware,
                                               std::function<void(const QString&)> onFailure) {
    QString error;
    if (!hardware.simulatedBoard()) {
        auto port = openMotorPort(motorBackendFor(hardware.portBackend), hardware.portDevice,
                                  bench_, &error, {hardware.portBaud, std::move(onFailure)});
        if (!error.isEmpty())
            problems_ << error;
        return port;
    }
    board_ = SimulatedBoard::start(bench_, &error);
    auto line =
        board_ ? SerialMotorPort::open(board_->slavePath(), hardware.portBaud, &error) : nullptr;
    if (!line) {
        problems_ << error + QStringLiteral(" The motors stay disconnected.");
        return std::make_unique<DisconnectedPort>();
    }
    line->setFailureHandler(std::move(onFailure));
    // The camera sees the motors where the line has put them, as a real one would after the
    // board's latency.
    bench_.setBeforeGrab(
        [board = board_.get(), port = line.get()] { board->catchUp(port->bytesSent()); });
    return line;
}

SimulatedBenchUse Workbench::simulatedBench(bool cameraOnBench) const {
    return {motorsOnBench_, cameraOnBench, benchFile_};
}

} // namespace orvane
