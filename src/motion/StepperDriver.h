#pragma once

#include "core/Clock.h"
#include "core/Settings.h"
#include "motion/MotorPort.h"

#include <functional>

namespace orvane {

// The two stepper motors on the printer port's data lines and the hand pad on its status lines.
// The Platform menu's check marks are read at every output, so toggling a menu item takes
// effect on the next byte.
//
// Time base of the counted waits: ONE COUNT IS ONE MICROSECOND on the clock. The original
// burned one slider read per count, so its speed depended on the machine; here the counts
// and their ratios stay, and a count costs a fixed microsecond (virtual in tests and headless
// runs, busy on the steady clock in the GUI).
class StepperDriver {
  public:
    // `port`, `menus` and `clock` must outlive the driver; `mindelay` returns the Mindelay
    // slider's current value.
    StepperDriver(MotorPort& port, const PlatformMenus& menus, Clock& clock,
                  std::function<int()> mindelay);

    // Energises both motors at their current phases.
    void writeMotorOutput();
    // One half-step of the knife (d = +1 or -1): LrPhase and Xpos change by d.
    void stepKnife(int d);
    // One half-step of the platform: TfPhase changes by d, Ypos by -d (phase +1 is towards
    // the mirror).
    void stepPlatform(int d);
    // All coils off: 0xFF when the output is inverted, else 0x00.
    void releaseMotors();

    // Counts from 0 while below factor * Mindelay, reading Mindelay again at every count.
    void stepWait(int factor);
    // Counts from `start` while below `bound()`, asking the bound again at every count.
    void countedWait(qint64 start, const std::function<qint64()>& bound);

    // The hand pad's code: 0..6 from the direction lines, plus 10 when pin 11 is set.
    int readHandpad();

    int lrPhase() const { return lrPhase_; }
    int tfPhase() const { return tfPhase_; }
    int xpos() const { return xpos_; }
    int ypos() const { return ypos_; }
    void setXpos(int value) { xpos_ = value; }
    void setYpos(int value) { ypos_ = value; }

  private:
    MotorPort& port_;
    const PlatformMenus& menus_;
    Clock& clock_;
    std::function<int()> mindelay_;
    int lrPhase_ = 0;
    int tfPhase_ = 0;
    int xpos_ = 0;
    int ypos_ = 0;
};

// Decodes a status register byte into the hand pad's code.
int decodeHandpad(int status);

} // namespace orvane
