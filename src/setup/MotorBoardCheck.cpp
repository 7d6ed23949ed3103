#include "setup/MotorBoardCheck.h"

#include "motion/SerialMotorPort.h"

#include <QSerialPortInfo>

namespace orvane {

namespace {
// Slow enough for any motor to follow.
constexpr int CheckStepDelayUs = 5000;
} // namespace

QList<SerialPortEntry> serialPorts() {
    QList<SerialPortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        QString description = info.description();
        if (!info.manufacturer().isEmpty() && !description.contains(info.manufacturer()))
            description += QStringLiteral(" (%1)").arg(info.manufacturer());
        ports.append({info.systemLocation(), description.trimmed()});
    }
    return ports;
}

QString serialPortCaption(const SerialPortEntry& port) {
    return port.description.isEmpty()
               ? port.device
               : QStringLiteral("%1 - %2").arg(port.device, port.description);
}

QString checkMotorBoard(const QString& device, int baud) {
    QString error;
    const auto board = SerialMotorPort::open(device, baud, &error);
    if (!board)
        return error;
    for (int axis = 0; axis < 2; ++axis)
        for (int direction : {+1, -1})
            if (!board->move(axis, direction, 1, CheckStepDelayUs))
                return board->failure().isEmpty()
                           ? QStringLiteral("%1 on %2 did not take a move of axis %3.")
                                 .arg(board->identity(), device)
                                 .arg(axis)
                           : board->failure();
    return QStringLiteral("%1 on %2 answers: each motor stepped one half-step each way.")
        .arg(board->identity(), device);
}

} // namespace orvane
