#pragma once

#include <functional>

namespace orvane {

class Clock;
class EventPump;
class ProgramState;

// What the window and later subsystems do at shutdown; any may be left empty.
struct ShutdownHooks {
    std::function<void()> helpQuit;
    std::function<void()> stopTimer;             // Timer1
    std::function<void()> saveSettings;          // write orvane.ini
    std::function<void()> showAbortChecked;      // tick the "Abort Action" box
    std::function<void()> clearCaptureCallbacks; // the capture source calls nothing afterwards
};

// The main window's unload: save once, begin closing, give a running loop or test about two
// seconds to see it, then abort.
class ShutdownSequence {
  public:
    ShutdownSequence(ProgramState& state, Clock& clock, EventPump& pump, ShutdownHooks hooks);
    void run();

  private:
    ProgramState& state_;
    Clock& clock_;
    EventPump& pump_;
    ShutdownHooks hooks_;
};

} // namespace orvane
