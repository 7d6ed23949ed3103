#pragma once

#include "core/MessageBoxes.h"
#include "core/SimulatedBenchUse.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace orvane {

// What start-up asks the machine for; an empty probe finds nothing.
struct DeviceProbes {
    std::function<QStringList()> printerPorts; // device nodes, such as /dev/parport0
    std::function<QStringList()> cameras;      // the cameras' names
};

// Start-up's word on a machine that has a printer port or a camera but no hardware file: what
// was found, that the simulated bench is used instead, and where to change that. Nothing when
// the hardware file exists or nothing was found.
std::optional<Message> missingHardwareNotice(const QString& programFolder,
                                             const SimulatedBenchUse& use,
                                             const DeviceProbes& probes);

} // namespace orvane
