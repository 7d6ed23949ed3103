#pragma once

#include "motion/MotorPort.h"

#include <vector>

namespace orvane::testkit {

// Keeps every byte written to the data register; the status register reads `status`.
class RecordingPort : public MotorPort {
  public:
    void writeData(quint8 value) override { written.push_back(value); }
    quint8 readStatus() override { return status; }
    quint8 last() const { return written.empty() ? 0 : written.back(); }

    std::vector<quint8> written;
    quint8 status = 0;
};

} // namespace orvane::testkit
