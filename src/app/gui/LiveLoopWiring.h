#pragma once

#include "app/gui/BackToBackRunner.h"
#include "app/gui/JogKeyFilter.h"
#include "core/EventPump.h"
#include "live/LiveLoop.h"

#include <QObject>

namespace orvane {

class Clock;
class DisplaySync;
class Hardware;
class MainWindow;
class MessageBoxes;
class PauseWiring;
struct MainState;
struct Settings;

struct LiveLoopContext {
    ProgramState& program;
    const Settings& settings;
    MainState& state;
    Hardware& hardware;
    DisplaySync& display;
    MainWindow& window;
    const PauseWiring& pause;
    MessageBoxes& messages;
    Clock& clock;
};

// The live loop on the main window. Timer1 starts it; while it runs, its passes follow each
// other on the event loop, so the frame rate is the camera's and every control stays live
// between frames. A test holds it where it stands and it carries on afterwards, its status
// text still telling how the test ended. Also the controls the loop reads: Slider1, Track, the
// bar toggle, the mirror sliders, the jog keys, the click for auto centre-size, and Reset.
class LiveLoopWiring : public QObject {
    Q_OBJECT

  public:
    explicit LiveLoopWiring(LiveLoopContext context);

    // Timer1's tick: starts the loop when it may run and none runs.
    void onLiveTimer();
    // One pass shown in the window; false once the loop has ended.
    bool runPass();
    // While held (a test owns the camera and the motors) no pass runs.
    void hold(bool held) { heldByTest_ = held; }
    // A pass is under way (a camera that waits for its frame runs events inside it).
    bool busy() const { return busy_; }
    bool running() const { return loop_.running(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void connectControls();
    void showAveraging();
    void autoCentre(QPointF click);
    void reset();
    void toggleBars();

    LiveLoopContext c_;
    // Passes return to the event loop between frames, so they need not run events themselves.
    CallbackEventPump noPump_;
    LiveLoop loop_;
    BackToBackRunner passes_;
    JogKeyFilter keys_;
    bool busy_ = false;
    bool heldByTest_ = false;
};

} // namespace orvane
