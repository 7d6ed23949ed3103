#pragma once

#include "core/SettingsFile.h"

#include <QString>
#include <functional>
#include <optional>

namespace orvane {

class Clock;
class EventPump;
class SoundPlayer;
class SplashView;
class ProgramState;
struct Settings;

// The steps later subsystems and the window add to start-up; any may be left empty.
struct StartupHooks {
    std::function<void()> helpInit;                   // register the window with help
    std::function<void()> fitToScreen;                // maximise on a narrow screen
    std::function<void()> fillPhaseTable;             // stepper coil table
    std::function<SettingsLoadResult()> loadSettings; // read orvane.ini
    std::function<void()> connectCapture;             // create and connect the capture source
    std::function<void()> showMainWindow;
    std::function<void()> releaseMotors;       // motor release byte to the port
    std::function<void()> startTimer;          // Timer1, 25 ms
    std::function<void()> printInstructions;   // first instructions into Picture2
    std::function<void()> accelerationChanged; // AccelSteps from sldAcell
};

// The main window's load: progress on the splash, built-in values, settings, capture, motors,
// then the live loop's timer.
class StartupSequence {
  public:
    StartupSequence(ProgramState& state, Settings& settings, SplashView& splash, SoundPlayer& sound,
                    Clock& clock, EventPump& pump, QString programFolder, StartupHooks hooks);

    // Empty when the window is loaded again while closing: then only `abort` is set.
    std::optional<SettingsLoadResult> run();

  private:
    void showProgress(const QString& status, const QString& soundFile);
    void setStatus(const QString& status);

    ProgramState& state_;
    Settings& settings_;
    SplashView& splash_;
    SoundPlayer& sound_;
    Clock& clock_;
    EventPump& pump_;
    QString programFolder_;
    StartupHooks hooks_;
    QString status_;
};

} // namespace orvane
