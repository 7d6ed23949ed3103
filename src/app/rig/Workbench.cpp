#include "app/rig/Workbench.h"

#include "motion/MotorPortFactory.h"

namespace orvane {

namespace {
MotorBackend motorBackendFor(PortBackend backend) {
    return backend == PortBackend::Ppdev ? MotorBackend::Ppdev : MotorBackend::Bench;
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
                     const PlatformMenus& menus, Clock& clock, std::function<int()> mindelay)
    : benchFile_(benchFileOverride.isEmpty() ? hardware.benchFile : benchFileOverride),
      motorsOnBench_(hardware.portBackend == PortBackend::Bench),
      bench_(benchConfigFor(benchFile_, problems_)), port_([&] {
          QString error;
          auto port = openMotorPort(motorBackendFor(hardware.portBackend), hardware.portDevice,
                                    bench_, &error);
          if (!error.isEmpty())
              problems_ << error;
          return port;
      }()),
      driver_(*port_, menus, clock, std::move(mindelay)) {
    bench_.setDriftClock(clock);
}

SimulatedBenchUse Workbench::simulatedBench(bool cameraOnBench) const {
    return {motorsOnBench_, cameraOnBench, benchFile_};
}

} // namespace orvane
