#pragma once

#include "app/gui/BackToBackRunner.h"
#include "app/rig/MeasuringRig.h"
#include "autotest/TestRun.h"

#include <QObject>

class QTimer;

namespace orvane {

class DisplaySync;
class Hardware;
class LiveLoopWiring;
class MainWindow;
class PauseWiring;
class ResultsWiring;
class SettingsBinding;
class VerdictWiring;
struct MainState;

struct TestRunContext {
    QString programFolder;
    Settings& settings;
    ProgramState& program;
    MainState& state;
    Hardware& hardware;
    DisplaySync& display;
    MainWindow& window;
    SettingsBinding& binding;
    QTimer& liveTimer;
    LiveLoopWiring& live;
    const PauseWiring& pause;
    ResultsWiring& results;
    VerdictWiring& verdict;
    SoundPlayer& sounds;
    MessageBoxes& messages;
    Clock& clock;
};

// "Do the Magic" (Command3): the automated test on the measuring rig, one frame per event-loop
// turn so the window, Pause and "Abort Action" stay live while it runs. Closing the window
// ends it at its next frame.
class TestRunWiring : public QObject {
    Q_OBJECT

  public:
    explicit TestRunWiring(TestRunContext context);

    void onCommand3();
    // One unit of the test shown in the window; false once it has ended.
    bool runStep();
    bool running() const { return run_.running(); }
    // Ticks "Abort Action" and runs the test to its end as the box would.
    void abort();

  private:
    TestHooks hooks();
    void setCommandsEnabled(bool enabled);

    TestRunContext c_;
    MeasuringRig rig_;
    TestRun run_;
    BackToBackRunner steps_;
};

} // namespace orvane
