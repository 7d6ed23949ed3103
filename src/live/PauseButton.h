#pragma once

#include <QColor>
#include <optional>

namespace orvane {

class EventPump;
class ProgramState;

// The controls a pause holds still, and the Pause button's own colour.
class PauseControls {
  public:
    virtual ~PauseControls() = default;
    virtual bool command3Enabled() const = 0;
    virtual bool chkTrakEnabled() const = 0;
    virtual void setCommand3Enabled(bool enabled) = 0;
    virtual void setChkTrakEnabled(bool enabled) = 0;
    virtual QColor buttonColour() const = 0;
    virtual void setButtonColour(const QColor& colour) = 0;
    // The camera's own time, which a video file has.
    virtual void setCameraPaused(bool paused) = 0;
};

// The Pause button (cmdpause). The first click pauses the program and the camera (a video stops
// on its frame) and holds whatever loop is running by pumping events inside the click, blinking the
// button green and magenta, until a second click (which arrives through the pump) resumes it or the
// window closing ends it.
class PauseButton {
  public:
    static constexpr int BlinkRounds = 5000;

    void click(PauseControls& controls, EventPump& pump, ProgramState& program);

  private:
    std::optional<QColor> savedColour_; // the colour before the first pause ever
};

} // namespace orvane
