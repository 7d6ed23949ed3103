#pragma once

#include "autotest/PrecisionSearch.h"
#include "core/AppState.h"
#include "core/Clock.h"
#include "core/MessageBoxes.h"
#include "core/ProgramState.h"
#include "core/Settings.h"
#include "core/SoundPlayer.h"

#include <QImage>
#include <QString>
#include <functional>

namespace orvane {

// The camera, the zone measurement and the stepper driver as the test run uses them.
class TestRig {
  public:
    virtual ~TestRig() = default;

    // One frame into Picture1 while the preview keeps running.
    virtual void grabFrame() = 0;
    // One frame into Picture1 that stops the preview on it.
    virtual void grabStill() = 0;
    virtual void setFramesToAverage(int frames) = 0;
    // Measures the zone windows on the picture just grabbed; lzv/rzv then hold the averages.
    virtual void measureZones() = 0;
    virtual int lzv(int zone) const = 0;
    virtual int rzv(int zone) const = 0;
    // The last frame's window means, not cut to whole grey levels, for the precision search.
    virtual double exactLzv(int zone) const = 0;
    virtual double exactRzv(int zone) const = 0;
    // Starts the frame-rate timing afresh from the performance counter.
    virtual void restartFrameTiming() = 0;

    virtual void writeMotorOutput() = 0;
    // One half-step, output written. Knife: Xpos += phase. Platform: Ypos -= phase, so +1 is
    // towards the mirror.
    virtual void stepKnife(int phase) = 0;
    virtual void stepPlatform(int phase) = 0;
    virtual void stepWait(int factor) = 0;
    virtual void releaseMotors() = 0;
    virtual int xpos() const = 0;
    virtual int ypos() const = 0;
    virtual void zeroPositions() = 0;

    // Picture1 as shown (frame and overlay) and the bare frame, as bitmap files. Failures are
    // not reported: missing pictures never stop a test.
    virtual void savePictures(const QString& overlayPath, const QString& framePath) = 0;
    // Picture1 as the last measured frame shows it, frame and overlay.
    virtual QImage shownPicture() = 0;
};

// Main-window controls the test switches. Unset hooks do nothing.
struct TestHooks {
    std::function<void(bool)> setLiveTimerEnabled;
    std::function<void(bool)> setCommandsEnabled; // Command3, Command1 and Command5
    std::function<void(bool)> setSpeedGaugeVisible;
    std::function<void()> relayout;
    std::function<void()> uncheckTrack; // Chk_trak
    std::function<void()> closeWindow;
    std::function<void()> saveData; // what Command5 does
};

// Main-window state the test writes besides the readings.
struct TestOutputs {
    QString debugLog;      // debug output, newest first
    QString readingsTable; // readings table
    QString MotorStatus;
    double TestStdDeviation = 0;
    // The last test ran the precision search: each reading's standard error, in its units.
    bool precision = false;
    ZoneReadings readingErrors{};
};

// Everything a test run reads and writes. The references must outlive the run.
struct TestEnvironment {
    TestRig& rig;
    TestHooks hooks;
    Settings& settings;
    MirrorData& mirror;
    ZoneReadings& readings;
    ProgramState& program;
    TestOutputs& outputs;
    SoundPlayer& sounds;
    MessageBoxes& messages;
    Clock& clock;
    QString programFolder;
    // The precision search, read when a test starts; none or off: the usual search.
    const PrecisionOptions* precision = nullptr;
    // Whether a test starting now is recorded (TestRecording) beside its report; unset: never.
    std::function<bool()> recordVideo;
};

} // namespace orvane
