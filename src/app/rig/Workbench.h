#pragma once

#include "app/core/HardwareConfig.h"
#include "bench/SimulatedBench.h"
#include "motion/StepperDriver.h"

#include <QStringList>
#include <functional>
#include <memory>

namespace orvane {

// The hardware side of the program as the hardware file chooses it: the simulated bench (the
// camera driver 0 and, by default, the printer port) and the stepper driver on the chosen port.
class Workbench {
  public:
    // `benchFileOverride` replaces the hardware file's bench file when not empty. Problems
    // (a bench file that cannot be read, a port that cannot be opened) are collected for the
    // caller to say once; the workbench then runs on the built-in bench or without motors.
    Workbench(const HardwareConfig& hardware, const QString& benchFileOverride,
              const PlatformMenus& menus, Clock& clock, std::function<int()> mindelay);

    SimulatedBench& bench() { return bench_; }
    StepperDriver& driver() { return driver_; }
    MotorPort& port() { return *port_; }
    const QStringList& problems() const { return problems_; }

  private:
    static BenchConfig benchConfigFor(const QString& path, QStringList& problems);

    QStringList problems_;
    SimulatedBench bench_;
    std::unique_ptr<MotorPort> port_;
    StepperDriver driver_;
};

} // namespace orvane
