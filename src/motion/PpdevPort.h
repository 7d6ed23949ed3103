#pragma once

#include "motion/MotorPort.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace orvane {

// A parallel port reached through Linux's ppdev driver (/dev/parportN), claimed for as long as
// the object lives.
class PpdevPort : public MotorPort {
  public:
    // Opens and claims `device`; on failure returns nothing and puts the reason in `error`.
    static std::unique_ptr<PpdevPort> open(const QString& device, QString* error);
    // The printer ports the system has (/dev/parport0, ...), whether or not they can be opened.
    static QStringList devices();
    ~PpdevPort() override;
    PpdevPort(const PpdevPort&) = delete;
    PpdevPort& operator=(const PpdevPort&) = delete;

    void writeData(quint8 value) override;
    quint8 readStatus() override;

  private:
    explicit PpdevPort(int fd) : fd_(fd) {}
    int fd_;
};

} // namespace orvane
