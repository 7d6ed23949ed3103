#pragma once

#include "app/core/AppState.h"
#include "app/core/Settings.h"
#include "app/core/SettingsFile.h"
#include "app/shell/Help.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

namespace orvane {

class Clock;
class EventPump;
class FloatingTextWindow;
class MainWindow;
class MessageBoxes;
class SettingsBinding;
class SoundPlayer;
class SplashView;

// The platform services the shell runs on.
struct ControllerServices {
    QString programFolder;
    MessageBoxes& messages;
    SoundPlayer& sound;
    Clock& clock;
    EventPump& pump;
    HelpSystem::Opener openUrl = {}; // the browser by default
};

// Where later subsystems plug into start-up, the timer and shutdown; empty hooks do nothing.
struct SubsystemHooks {
    std::function<void()> fillPhaseTable;        // start-up, before the settings are read
    std::function<void()> connectCapture;        // start-up, after the settings
    std::function<void()> releaseMotors;         // start-up, after the main window shows
    std::function<void()> accelerationChanged;   // start-up's last step (AccelSteps)
    std::function<void()> runLiveLoop;           // Timer1; returns when the loop ends
    std::function<void()> clearCaptureCallbacks; // shutdown's last step
    std::function<void()> openSetupDialog;       // frmsetup, modeless
    std::function<void()> openAutoTestDialog;    // FrmAutoTest, modeless
};

// Owns the main window's state (settings, flags, view flags) and wires the window, start-up,
// Timer1 and shutdown together.
class MainController : public QObject {
    Q_OBJECT

  public:
    static constexpr int DesignedClientWidth = 792;
    static constexpr int Timer1Ms = 25;

    explicit MainController(ControllerServices services);
    ~MainController() override;

    SubsystemHooks hooks;

    Settings& settings() { return settings_; }
    RunFlags& flags() { return flags_; }
    MainWindow& window() { return *window_; }
    SettingsBinding& binding() { return *binding_; }
    HelpSystem& help() { return help_; }
    QTimer& timer1() { return timer1_; }
    const QString& programFolder() const { return services_.programFolder; }
    bool barsOff() const { return barsOff_; }
    bool waitForIt() const { return waitForIt_; }
    void setWaitForIt(bool on) { waitForIt_ = on; }
    FloatingTextWindow* floatingText() const;

    // The main window's load; empty when it ran while the program was closing.
    std::optional<SettingsLoadResult> start(SplashView& splash);
    // SaveSettings: the whole settings file from the current state.
    void saveSettings();
    void showFloatingText();

  private:
    void connectMenus();
    SettingsLoadResult loadSettings();
    void fitToScreen();
    void printStartupInstructions();
    void shutDown();
    void tick();

    ControllerServices services_;
    Settings settings_;
    RunFlags flags_;
    bool barsOff_ = false;
    bool waitForIt_ = false;
    std::unique_ptr<MainWindow> window_;
    SettingsBinding* binding_ = nullptr;
    HelpSystem help_;
    QTimer timer1_;
    QPointer<FloatingTextWindow> floatingText_;
};

} // namespace orvane
