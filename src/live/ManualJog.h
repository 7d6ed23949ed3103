#pragma once

#include <QtGlobal>

class QImage;

namespace orvane {

class Clock;
class EventPump;
class JogDrive;
class KeyState;
struct Settings;

// The live loop's manual jog: hand pad and keys move the knife or the platform with a speed
// ramp, bursts at top speed (pad) or a continuous run (keys, or pad buttons with pin 11 on).
// Waits are counted in microseconds on the clock; sliders are read from `settings` at every use.
class ManualJog {
  public:
    ManualJog(const Settings& settings, JogDrive& drive, KeyState& keys, Clock& clock,
              EventPump& pump);

    // The loop's start: the jog stands at its starting delay, no run in progress.
    void begin();
    // Reads the pad and the keys and acts on the code. A continuous run holds the pass: each
    // call makes one run step and returns false (no frame this pass) until the key or button
    // is let go; then it returns true and the pass goes on.
    bool jog();
    // After the frame: the speed figure, the step-interval wait and the gauge in `speedGauge`.
    void showSpeed(QImage& speedGauge);

    int code() const { return code_; }
    int JogDelay() const { return jogDelay_; }
    int IdlePasses() const { return idlePasses_; }
    int SpeedPercent() const { return speedPercent_; }
    bool inContinuousRun() const { return inRun_; }

  private:
    int readCode();
    void act();
    void idle(double exponent);
    void startMotion();
    void stepOnce();
    void burst();
    void enterContinuousRun();
    bool continuousRunStep();
    bool codeStillHeld();
    void waitCounts(qint64 counts);
    int maxdelay() const;
    int percentOf(int jogDelay) const;
    double accelExponent() const;

    const Settings& settings_;
    JogDrive& drive_;
    KeyState& keys_;
    Clock& clock_;
    EventPump& pump_;
    int code_ = 0;
    int jogDelay_ = 0;
    int idlePasses_ = 0;
    int speedPercent_ = 0;
    bool inRun_ = false;
};

} // namespace orvane
