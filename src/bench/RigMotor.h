#pragma once

#include <QtGlobal>
#include <array>

namespace orvane {

// One stepper motor of the simulated rig, seen from its four coils. A coil pattern of the
// half-step sequence pulls the rotor to that phase: a change of one phase is a half-step, a
// jump of more is a missed step (the rotor follows the field but the carriage is not counted
// as moving), all coils off leaves it where it is and any other pattern moves nothing.
// Between motor and carriage there are `backlash` half-steps of play: after a reversal the motor
// first crosses the play before the carriage follows. The rig starts as after forward moves.
class RigMotor {
  public:
    RigMotor(bool reversedWiring, int backlash);

    // `coils`: the motor's four lines, bit set = coil energised.
    void drive(int coils);

    int phase() const { return phase_; }
    qint64 halfSteps() const { return halfSteps_; } // net half-steps the rotor turned
    qint64 travel() const { return travel_; }       // net half-steps the carriage moved
    qint64 missedSteps() const { return missedSteps_; }

  private:
    void step(int direction);

    bool reversed_;
    int backlash_;
    int phase_ = 0;
    int play_; // where the motor sits in the play: 0 pushes back, backlash forward
    qint64 halfSteps_ = 0;
    qint64 travel_ = 0;
    qint64 missedSteps_ = 0;
};

} // namespace orvane
