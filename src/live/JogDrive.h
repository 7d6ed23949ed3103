#pragma once

namespace orvane {

// The motors and the hand pad as the manual jog uses them (the stepper driver provides them).
class JogDrive {
  public:
    virtual ~JogDrive() = default;
    // One half-step of the knife: its phase and Xpos change by d (+1 or -1).
    virtual void stepKnife(int d) = 0;
    // One half-step of the platform: its phase changes by d, Ypos by -d (+1 is towards the mirror).
    virtual void stepPlatform(int d) = 0;
    // Energises both motors at their present phases.
    virtual void writeMotorOutput() = 0;
    virtual void releaseMotors() = 0;
    // The hand pad's code, 0..16.
    virtual int readHandpad() = 0;
    virtual int xpos() const = 0;
    virtual int ypos() const = 0;
    virtual void zeroPositions() = 0;
};

} // namespace orvane
