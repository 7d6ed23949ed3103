#include "app/rig/Workbench.h"

#include "motion/MotorPortFactory.h"

namespace orvane {

namespace {
MotorBackend motorBackendFor(PortBackend backend) {
    return backend == PortBackend::Ppdev ? MotorBackend::Ppdev : MotorBackend::Bench;
}
} // namespace

BenchConfig Workbench::benchConfigFor(const QString& path, QStringList& problems) {
    if (path.isEmpty())
        return {};
    QString error;
    if (auto config = loadBenchConfig(path, &error))
        return *config;
    problems << error + QStringLiteral(" The built-in bench is used instead.");
    return {};
}

Workbench::Workbench(const HardwareConfig& hardware, const QString& benchFileOverride,
                     const PlatformMenus& menus, Clock& clock, std::function<int()> mindelay)
    : bench_(benchConfigFor(benchFileOverride.isEmpty() ? hardware.benchFile : benchFileOverride,
                            problems_)),
      port_([&] {
          QString error;
          auto port = openMotorPort(motorBackendFor(hardware.portBackend), hardware.portDevice,
                                    bench_, &error);
          if (!error.isEmpty())
              problems_ << error;
          return port;
      }()),
      driver_(*port_, menus, clock, std::move(mindelay)) {}

} // namespace orvane
