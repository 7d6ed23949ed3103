#pragma once

#include "capture/FrameSource.h"
#include "core/ProgramState.h"
#include "live/PauseButton.h"

#include <QObject>

namespace orvane {

class EventPump;
class MainWindow;
class ProgramState;

// The Pause button (cmdpause) on the main window's controls. While it holds, the live loop and
// the test wait (they ask held()).
class PauseWiring : public QObject, private PauseControls {
    Q_OBJECT

  public:
    PauseWiring(MainWindow& window, ProgramState& program, EventPump& pump, FrameSource& camera);

    bool held() const { return program_.paused(); }

  private:
    bool command3Enabled() const override;
    bool chkTrakEnabled() const override;
    void setCommand3Enabled(bool enabled) override;
    void setChkTrakEnabled(bool enabled) override;
    QColor buttonColour() const override;
    void setButtonColour(const QColor& colour) override;
    void setCameraPaused(bool paused) override { camera_.setPaused(paused); }

    MainWindow& window_;
    ProgramState& program_;
    EventPump& pump_;
    FrameSource& camera_;
    PauseButton button_;
};

} // namespace orvane
