#pragma once

#include "core/AppState.h"
#include "core/ProgramState.h"
#include "live/LiveDisplays.h"
#include "live/ManualJog.h"

#include <QImage>
#include <QString>

namespace orvane {

class Clock;
class EventPump;
class FrameSource;
class JogDrive;
class KeyState;
class ZoneMeasurer;
struct Settings;

// Check box and menu states the loop reads on every pass.
struct ViewOptions {
    bool tracking = false; // Chk_trak
    bool barsOff = false;  // BarsOff ("Toggle &Bar Graphics")
};

// The main window's state the live loop reads and writes, all owned by the window.
struct LiveLoopState {
    ProgramState& program;
    const Settings& settings;
    const MirrorData& mirror;
    const ZoneTable& zones;
    MirrorCircle& circle; // MirX, MirY, MirRad
    const ViewOptions& view;
    QString& MotorStatus;
    LiveDisplays& displays;
};

struct LiveLoopDevices {
    FrameSource& camera;
    JogDrive& drive;
    KeyState& keys;
    Clock& clock;
    EventPump& pump;
};

enum class LoopOutcome {
    Running,    // call again for the next pass
    Stopped,    // the loop ended (or is not running); the motors were released when it ended
    CloseWindow // the window is closing: the loop ended and the window should close
};

// The live display with manual jog, one pass per call: jog, grab, measure or outline, speed
// gauge. While a continuous run holds the jog, a pass makes one run step and takes no frame;
// the run goes on until its key or button is let go, whatever the program's mode.
class LiveLoop {
  public:
    LiveLoop(LiveLoopState state, LiveLoopDevices devices, ZoneMeasurer& measurer);

    // Clears the motor status, releases the motors, averages 10 frames and restarts the frame
    // timing; the jog stands at its starting delay.
    void start();
    // One pass; after the pass in which the program left the live mode, releases the motors
    // and reports the end.
    LoopOutcome runPass();
    // Timer1's tick: starts the loop when the program is live and no loop runs, runs one pass
    // while it runs, and tells the program exactly while it runs.
    LoopOutcome timerTick();

    bool running() const { return running_; }
    // The last grabbed frame at the camera's own size, without overlay.
    const QImage& rawFrame() const { return raw_; }
    const ManualJog& jog() const { return jog_; }

  private:
    LiveLoopState s_;
    LiveLoopDevices d_;
    ZoneMeasurer& measurer_;
    ManualJog jog_;
    QImage raw_;
    bool running_ = false;
};

} // namespace orvane
