#pragma once

#include "app/gui/CaptureWiring.h"
#include "app/gui/DisplaySync.h"
#include "app/gui/Hardware.h"
#include "app/gui/LiveLoopWiring.h"
#include "app/gui/MainState.h"
#include "app/gui/MirrorMenuWiring.h"
#include "app/gui/PauseWiring.h"
#include "app/gui/ResultsWiring.h"
#include "app/gui/SetupMenuWiring.h"
#include "app/gui/TestRunWiring.h"
#include "app/gui/VerdictWiring.h"
#include "app/shell/Help.h"
#include "core/AppState.h"
#include "core/ProgramState.h"
#include "core/Settings.h"
#include "core/SettingsFile.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <optional>

namespace orvane {

class Clock;
class EventPump;
class FloatingTextWindow;
class HelpViewer;
class MainWindow;
class MessageBoxes;
class SettingsBinding;
class SoundPlayer;
class SplashView;

// The platform services the program runs on.
struct ControllerServices {
    QString programFolder;
    MessageBoxes& messages;
    SoundPlayer& sound;
    Clock& clock;
    EventPump& pump;
    HelpSystem::Opener openUrl = {}; // the built-in viewer by default
    DeviceProbes probes = {};        // finds nothing by default; the program probes the system
};

// Owns the main window's state (settings, program state, mirror, readings, displays) and the
// devices, and puts the window, start-up, Timer1, shutdown and each subsystem's wiring together.
class MainController : public QObject {
    Q_OBJECT

  public:
    static constexpr int DesignedClientWidth = 792;
    static constexpr int Timer1Ms = 25;

    explicit MainController(ControllerServices services);
    ~MainController() override;

    Settings& settings() { return settings_; }
    ProgramState& program() { return program_; }
    MainState& state() { return state_; }
    MainWindow& window() { return *window_; }
    SettingsBinding& binding() { return *binding_; }
    HelpSystem& help() { return help_; }
    QTimer& liveTimer() { return liveTimer_; }
    Hardware& hardware() { return hardware_; }
    CaptureWiring& capture() { return capture_; }
    SetupMenuWiring& setupMenus() { return setup_; }
    LiveLoopWiring& liveLoop() { return live_; }
    TestRunWiring& testRun() { return test_; }
    VerdictWiring& verdict() { return verdict_; }
    const QString& programFolder() const { return services_.programFolder; }
    bool waitForIt() const { return waitForIt_; }
    FloatingTextWindow* floatingText() const;

    // The main window's load; empty when it ran while the program was closing.
    std::optional<SettingsLoadResult> start(SplashView& splash);
    // SaveSettings: the whole settings file from the current state.
    void saveSettings();
    void showFloatingText();

  private:
    void connectMenus();
    SettingsLoadResult loadSettings();
    void connectCapture();
    void showSimulatedBench();
    void fitToScreen();
    void printStartupInstructions();
    bool showHelpViewer(const QUrl& url);
    void showAbout();
    // A serial motor board stopped answering: a running test aborts, and the operator is told.
    void motorBoardFailed(const QString& failure);
    // While the zones are off Picture2 holds instructions; a new size prints them afresh.
    void reprintInstructions();
    // The unload; false when the user keeps a running test going.
    bool shutDown();

    ControllerServices services_;
    Settings settings_;
    ProgramState program_;
    MainState state_;
    bool waitForIt_ = false;
    // Which instructions Picture2 was last given.
    enum class Instructions { None, Startup, Reset } instructions_ = Instructions::None;
    std::unique_ptr<MainWindow> window_;
    SettingsBinding* binding_ = nullptr;
    HelpSystem help_;
    QTimer liveTimer_;
    QPointer<FloatingTextWindow> floatingText_;
    QPointer<HelpViewer> helpViewer_;

    Hardware hardware_;
    DisplaySync display_;
    PauseWiring pause_;
    CaptureWiring capture_;
    SetupMenuWiring setup_;
    MirrorMenuWiring mirrors_;
    LiveLoopWiring live_;
    ResultsWiring results_;
    VerdictWiring verdict_;
    TestRunWiring test_;
};

} // namespace orvane
