#pragma once

#include "analysis/AutoCentre.h"
#include "analysis/ZoneMeasurer.h"
#include "app/cli/HeadlessOptions.h"
#include "app/cli/RefusingAutomation.h"
#include "app/rig/MeasuringRig.h"
#include "app/rig/Workbench.h"
#include "autotest/TestRun.h"
#include "core/AppState.h"
#include "core/Clock.h"
#include "core/EventPump.h"
#include "core/ProgramState.h"
#include "core/Settings.h"
#include "core/SoundPlayer.h"
#include "live/LiveDisplays.h"
#include "live/LiveLoop.h"
#include "results/SaveData.h"

#include <QList>
#include <functional>
#include <memory>
#include <optional>

namespace orvane {

// How the mirror circle was set.
enum class CircleSource { CommandLine, AutoCentre };

// The automatic test without a window: the settings and the mirror record of a program folder,
// the simulated bench as the camera and the motors, the test stepped frame by frame in virtual
// time (motor waits and the frame-rate counter cost no wall time), then Save Data.
class HeadlessTestRun {
  public:
    // A knife that far out of the beam leaves the whole mirror lit for auto centre-size.
    static constexpr double KnifeClearance = 0.05; // inches

    // `messages` gets every message of the run; it must outlive the run.
    HeadlessTestRun(HeadlessOptions options, MessageBoxes& messages);
    ~HeadlessTestRun();

    // Settings, mirror record, bench, mirror circle and zone table. False, after a message,
    // when the test cannot run.
    bool prepare();
    // Runs the test to its end, Save Data included. True when it completed and its data were
    // saved. Does nothing without a successful prepare(). May be called again for another test.
    bool run();
    // Lets the virtual clock run on to `ns` (a later test's start); nothing when it is past.
    void waitUntilNs(qint64 ns) { clock_.spinNs(ns - clock_.nowNs()); }
    qint64 nowNs() const { return clock_.nowNs(); }

    const Settings& settings() const { return settings_; }
    const PrecisionOptions& precision() const { return precision_; }
    const MirrorData& mirror() const { return mirror_; }
    const ZoneTable& zones() const { return zones_; }
    int PerfectFactor() const { return perfectFactor_; }
    const ZoneReadings& readings() const { return readings_; }
    const TestOutputs& outputs() const { return outputs_; }
    const MirrorCircle& circle() const { return circle_; }
    // The bench the run plays (always in use: it is the camera and the motors).
    const SimulatedBenchUse& simulatedBench() const { return displays_.simulatedBench; }
    CircleSource circleSource() const { return circleSource_; }
    // Knife half-steps backed out of the beam (and back in) for auto centre-size.
    int knifeClearanceSteps() const { return clearanceSteps_; }
    const std::optional<SaveDataResult>& saveResult() const { return saveResult_; }
    // Sets of readings the test takes.
    int sets() const { return settings_.Reps + 1; }
    // Frames the searches measured, one entry per zone searched, in order.
    const QList<int>& framesPerZone() const { return framesPerZone_; }
    int framesMeasured() const;
    // The last test's time as a real rig would take it: its motor waits, and its frames at
    // 30 a second.
    double virtualSeconds() const;
    // The test ran through every set (no abort).
    bool testCompleted() const;
    // Save Data ran, had a writer switched on, and none failed.
    bool dataSaved() const;

    // What tests reach in: the bench's truth, the program state, what an operator does after each
    // step of the test (where a click lands in the window), the running test.
    SimulatedBench& bench() { return workbench_->bench(); }
    StepperDriver& driver() { return workbench_->driver(); }
    SimulatedBoard* simulatedBoard() { return workbench_->simulatedBoard(); }
    ProgramState& program() { return program_; }
    void setOperator(std::function<void()> act) { operator_ = std::move(act); }
    const TestRun* test() const { return test_.get(); }

  private:
    bool checkProgramFolder();
    void loadSettings();
    bool loadMirror();
    bool connectBench();
    bool placeCircle();
    void stepKnife(int phase, int count);
    void computeZones();
    void buildTest();
    void saveResults();
    void stepCounted();
    QString limitReached(int zone) const;

    HeadlessOptions options_;
    MessageBoxes& messages_;
    VirtualClock clock_;
    CallbackEventPump pump_;
    SilentSoundPlayer sounds_;
    RefusingAutomation automation_;

    Settings settings_;
    PrecisionOptions precision_;
    MirrorData mirror_;
    ZoneTable zones_;
    int perfectFactor_ = 1;
    MirrorCircle circle_;
    CircleSource circleSource_ = CircleSource::AutoCentre;
    int clearanceSteps_ = 0;
    ProgramState program_;
    ViewOptions view_;
    LiveDisplays displays_;
    ZoneReadings readings_;
    TestOutputs outputs_;

    std::unique_ptr<Workbench> workbench_;
    ZoneMeasurer measurer_;
    std::unique_ptr<MeasuringRig> rig_;
    std::unique_ptr<TestRun> test_;
    std::optional<SaveDataResult> saveResult_;

    std::function<void()> operator_;
    QList<int> framesPerZone_;
    qint64 halfStepsInZone_ = 0;
    qint64 testStartNs_ = 0;
    int countedSet_ = -1;
    int countedZone_ = -1;
};

} // namespace orvane
