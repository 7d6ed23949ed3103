#pragma once

#include "bench/SimulatedBench.h"
#include "core/HardwareConfig.h"
#include "core/SimulatedBenchUse.h"
#include "motion/SimulatedBoard.h"
#include "motion/StepperDriver.h"

#include <QStringList>
#include <functional>
#include <memory>

namespace orvane {

// The hardware side of the program as the hardware file chooses it: the simulated bench (the
// camera driver 0 and, by default, the printer port) and the stepper driver on the chosen port.
// With the serial device "simulated" the bench's motors move only through the motor board's
// simulator on a pseudo-terminal.
class Workbench {
  public:
    // `benchFileOverride` replaces the hardware file's bench file when not empty. Problems
    // (a bench file that cannot be read, a port that cannot be opened) are collected for the
    // caller to say once; the workbench then runs on the built-in bench or without motors.
    // `onMotorFailure` hears, once, that a serial board stopped answering.
    Workbench(const HardwareConfig& hardware, const QString& benchFileOverride,
              const PlatformMenus& menus, Clock& clock, std::function<int()> mindelay,
              std::function<void(const QString&)> onMotorFailure = {});

    SimulatedBench& bench() { return bench_; }
    StepperDriver& driver() { return driver_; }
    MotorPort& port() { return *port_; }
    // The motor board's simulator, when it drives the bench's motors.
    SimulatedBoard* simulatedBoard() { return board_.get(); }
    const QStringList& problems() const { return problems_; }
    // What of the bench is in use, the camera's part as the caller knows it.
    SimulatedBenchUse simulatedBench(bool cameraOnBench) const;

  private:
    // Clears `path` when the file cannot be had and the built-in bench stands in.
    static BenchConfig benchConfigFor(QString& path, QStringList& problems);
    std::unique_ptr<MotorPort> openPort(const HardwareConfig& hardware,
                                        std::function<void(const QString&)> onFailure);

    QStringList problems_;
    QString benchFile_; // the bench file played; empty for the built-in bench
    bool motorsOnBench_;
    SimulatedBench bench_;
    std::unique_ptr<SimulatedBoard> board_;
    std::unique_ptr<MotorPort> port_;
    StepperDriver driver_;
};

} // namespace orvane
