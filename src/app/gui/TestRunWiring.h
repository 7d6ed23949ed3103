#pragma once

#include "app/gui/BackToBackRunner.h"
#include "app/rig/MeasuringRig.h"
#include "autotest/RepeatSchedule.h"
#include "autotest/TestRun.h"
#include "reduction/RepeatSeries.h"

#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

class QChartView;

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
// ends it at its next frame. When the repetition options ask for it, the test runs again on
// their schedule, the status bar counting down to the next one, until the series is complete,
// a test is aborted or "Abort Action" is ticked while waiting; a chart shows each zone's reading
// and the best-fit conic against time.
class TestRunWiring : public QObject {
    Q_OBJECT

  public:
    explicit TestRunWiring(TestRunContext context);
    ~TestRunWiring() override;

    void onCommand3();
    // One unit of the test shown in the window; false once it has ended.
    bool runStep();
    bool running() const { return run_.running(); }
    // A series waits for its next test.
    bool waiting() const { return countdown_.isActive(); }
    // What the countdown does once a second while a series waits: the time left, the next test
    // when it is due, or the end of the series when "Abort Action" is ticked or the window
    // closes.
    void countDown();
    QChartView* seriesView() const { return seriesView_.get(); }
    // Ticks "Abort Action" and runs the test to its end as the box would.
    void abort();

  private:
    TestHooks hooks();
    void setCommandsEnabled(bool enabled);
    void startTest();
    void testEnded();
    void addToSeries();

    TestRunContext c_;
    MeasuringRig rig_;
    TestRun run_;
    BackToBackRunner steps_;
    std::optional<RepeatSchedule> schedule_;
    qint64 seriesStartNs_ = 0;
    qint64 testStartNs_ = 0;
    qint64 nextStartNs_ = 0;
    QString lastSummary_; // frames per zone search and time of the last test
    QTimer countdown_;
    std::vector<RepeatedTest> series_;
    std::unique_ptr<QChartView> seriesView_;
};

} // namespace orvane
