#pragma once

#include <QtGlobal>

namespace orvane {

// The printer port as the motors and the hand pad see it: the data register carries the coil
// patterns of both motors, the status register the hand pad's lines.
class MotorPort {
  public:
    virtual ~MotorPort() = default;
    virtual void writeData(quint8 value) = 0;
    virtual quint8 readStatus() = 0;
};

} // namespace orvane
