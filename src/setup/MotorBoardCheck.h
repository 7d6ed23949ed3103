#pragma once

#include <QList>
#include <QString>

namespace orvane {

// A serial port the system has, as the setup dialog lists it.
struct SerialPortEntry {
    QString device;      // /dev/ttyACM0
    QString description; // "Arduino Uno (Arduino (www.arduino.cc))", or empty
};

QList<SerialPortEntry> serialPorts();
// "/dev/ttyACM0 - Arduino Uno", or the device alone.
QString serialPortCaption(const SerialPortEntry& port);

// Opens the motor board on `device`, asks who it is and moves each motor one half-step each way;
// what it found, in a sentence or two.
QString checkMotorBoard(const QString& device, int baud);

} // namespace orvane
