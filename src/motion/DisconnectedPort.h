#pragma once

#include "motion/MotorPort.h"

namespace orvane {

// Stands in when no port can be reached: bytes go nowhere and the hand pad reads 0x00, which
// decodes to code 0 (no button, pin 11 off), so the live loop sees an idle pad.
class DisconnectedPort : public MotorPort {
  public:
    static constexpr quint8 IdleStatus = 0x00;
    void writeData(quint8) override {}
    quint8 readStatus() override { return IdleStatus; }
};

} // namespace orvane
