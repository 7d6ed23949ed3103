#pragma once

#include "motion/MotorPort.h"

#include <QString>
#include <QStringView>
#include <memory>
#include <optional>

namespace orvane {

enum class MotorBackend {
    Bench,       // the simulated bench's port
    Ppdev,       // a real parallel port through Linux ppdev
    Disconnected // no motors at all
};

inline const QString DefaultPpdevDevice = QStringLiteral("/dev/parport0");

// "bench", "ppdev" or "none", in any letter case; nothing for other words.
std::optional<MotorBackend> parseMotorBackend(QStringView text);

// The port the driver should talk to. `benchPort` is borrowed (it must outlive the result);
// `device` is the ppdev device, DefaultPpdevDevice when empty. When ppdev cannot be opened the
// result is a DisconnectedPort and `error` names the device and the reason, for the caller to
// say once before carrying on.
std::unique_ptr<MotorPort> openMotorPort(MotorBackend backend, const QString& device,
                                         MotorPort& benchPort, QString* error);

} // namespace orvane
