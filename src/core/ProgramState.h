#pragma once

namespace orvane {

// What the program as a whole is doing; every part asks this instead of keeping its own flags.
enum class ProgramMode {
    Idle,    // starting up, or a camera dialog holds the camera: no live view
    Live,    // the live view may run and the user jogs by hand
    Testing, // the automated test owns the camera and the motors
    Paused,  // the Pause button holds the live view or the test where it stands
    Closing  // the window is closing: nothing new starts
};

// The one owner of the program's mode and the few facts that outlive a mode: whether the live
// loop is inside its run, whether the zones are set up, and whether an abort was asked for.
// Transitions are named for what happens; a transition that makes no sense in the current mode
// (anything but closing once closing has begun) is ignored.
class ProgramState {
  public:
    ProgramMode mode() const { return mode_; }
    bool liveAllowed() const { return mode_ == ProgramMode::Live; }
    bool testing() const { return mode_ == ProgramMode::Testing; }
    bool paused() const { return mode_ == ProgramMode::Paused; }
    // The mode a pause holds, or the current mode when there is no pause.
    ProgramMode heldMode() const { return paused() ? modeBeforePause_ : mode_; }
    bool closing() const { return mode_ == ProgramMode::Closing; }
    bool liveLoopRunning() const { return liveLoopRunning_; }
    bool zonesReady() const { return zonesReady_; }
    bool abortRequested() const { return abortRequested_; }

    // Start-up is done, a camera dialog has closed or a test has ended.
    void enterLive();
    // A camera dialog takes the camera; the live loop stops at its next pass.
    void holdCamera();
    // Clears an earlier abort; the live loop stops at its next pass.
    void startTest();
    void endTest() { enterLive(); }
    void pause();
    // Back to the mode the pause held.
    void resume();
    void beginClosing();

    void liveLoopStarted() { liveLoopRunning_ = true; }
    void liveLoopEnded() { liveLoopRunning_ = false; }
    void setZonesReady(bool ready) { zonesReady_ = ready; }
    void requestAbort(bool on) { abortRequested_ = on; }

  private:
    ProgramMode mode_ = ProgramMode::Idle;
    ProgramMode modeBeforePause_ = ProgramMode::Idle;
    bool liveLoopRunning_ = false;
    bool zonesReady_ = false;
    bool abortRequested_ = false;
};

} // namespace orvane
