#pragma once

#include "live/JogDrive.h"
#include "motion/StepperDriver.h"

namespace orvane {

// The manual jog's view of the stepper driver.
class StepperJogDrive : public JogDrive {
  public:
    explicit StepperJogDrive(StepperDriver& driver) : driver_(driver) {}

    void stepKnife(int d) override { driver_.stepKnife(d); }
    void stepPlatform(int d) override { driver_.stepPlatform(d); }
    void writeMotorOutput() override { driver_.writeMotorOutput(); }
    void releaseMotors() override { driver_.releaseMotors(); }
    int readHandpad() override { return driver_.readHandpad(); }
    int xpos() const override { return driver_.xpos(); }
    int ypos() const override { return driver_.ypos(); }
    void zeroPositions() override {
        driver_.setXpos(0);
        driver_.setYpos(0);
    }

  private:
    StepperDriver& driver_;
};

} // namespace orvane
