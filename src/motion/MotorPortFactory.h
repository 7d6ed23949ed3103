#pragma once

#include "motion/MotorPort.h"

#include <QString>
#include <functional>
#include <memory>

namespace orvane {

enum class MotorBackend {
    Bench,       // the simulated bench's port
    Ppdev,       // a real parallel port through Linux ppdev
    Serial,      // a motor board on a serial line
    Disconnected // no motors at all
};

inline const QString DefaultPpdevDevice = QStringLiteral("/dev/parport0");

// How a serial board is reached, and who hears that it stopped answering.
struct SerialLine {
    int baud = 115200;
    std::function<void(const QString&)> onFailure = {};
};

// The port the driver should talk to. `benchPort` is borrowed (it must outlive the result);
// `device` is the ppdev device, DefaultPpdevDevice when empty, or the serial board's. When the
// device cannot be opened the result is a DisconnectedPort and `error` names the device and the
// reason, for the caller to say once before carrying on.
std::unique_ptr<MotorPort> openMotorPort(MotorBackend backend, const QString& device,
                                         MotorPort& benchPort, QString* error,
                                         const SerialLine& serial = {});

} // namespace orvane
