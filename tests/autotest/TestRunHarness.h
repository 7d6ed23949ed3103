#pragma once

#include "FakeTestRig.h"
#include "autotest/TestRun.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QStringList>
#include <memory>

namespace orvane::testkit {

class RecordingSoundPlayer : public SoundPlayer {
  public:
    void playWait(const QString& path) override { waited << path; }
    void playAsync(const QString& path) override { started << path; }

    QStringList waited;
    QStringList started;
};

// A test run over the fake rig with every main-window hook recorded in order.
class TestRunHarness {
  public:
    TestRunHarness() {
        settings.StepSize = 0.000125;
        settings.LRStepSize = 0.000125;
        settings.KnifeRight = true;
        settings.textpath = dataFolder.path();
        mirror.WorkFile = QStringLiteral("Mirror");
        mirror.WorkNum = 7;
        mirror.NZ = 2;
        flags.ZoneOn = true;
        flags.Manual = true;
        run = std::make_unique<TestRun>(environment());
    }

    // Every zone nulls on its first frame with balanced light, wherever the platform is.
    void nullOnFirstFrame() {
        AutoTestVariables& v = settings.autoTest;
        v.Max = 70;
        v.Min = 40;
        v.LRMinFrames = 100;
        v.TFRoughFrames = 0;
        v.TFOblatedelta = -1000;
        v.TFRoughDelta = 1000;
        v.TFFinalFrames = 1;
        v.TFFinalMoves = 8;
    }

    // Places the platform counter before the first frame of a (set, zone).
    void placePlatform(std::function<int(int set, int zone)> position) {
        rig.beforeGrab = [this, position] {
            rig.y = position(run->currentSet(), run->currentZone());
        };
    }

    // Runs until the test ends; false when it is still running after `maxSteps`.
    bool runToEnd(int maxSteps = 200'000) {
        for (int i = 0; i < maxSteps && !run->finished(); ++i)
            run->step();
        return run->finished();
    }

    int count(const QString& call) const { return static_cast<int>(calls.count(call)); }

    VirtualClock clock;
    FakeTestRig rig{clock};
    Settings settings;
    MirrorData mirror;
    ZoneReadings readings;
    RunFlags flags;
    TestOutputs outputs;
    RecordingSoundPlayer sounds;
    RecordingMessageBoxes messages;
    TempFolder programFolder;
    TempFolder dataFolder;
    QStringList calls;
    std::function<void()> onSaveData;
    std::unique_ptr<TestRun> run;

  private:
    TestEnvironment environment() {
        TestHooks hooks;
        hooks.setTimer1Enabled = [this](bool on) { calls << (on ? "Timer1 on" : "Timer1 off"); };
        hooks.setCommandsEnabled = [this](bool on) {
            calls << (on ? "Commands on" : "Commands off");
        };
        hooks.setPicture3Visible = [this](bool on) {
            calls << (on ? "Picture3 shown" : "Picture3 hidden");
        };
        hooks.relayout = [this] { calls << "relayout"; };
        hooks.uncheckTrack = [this] { calls << "uncheck track"; };
        hooks.closeWindow = [this] { calls << "close"; };
        hooks.saveData = [this] {
            calls << "save data";
            if (onSaveData)
                onSaveData();
        };
        return TestEnvironment{rig,
                               hooks,
                               settings,
                               mirror,
                               readings,
                               flags,
                               outputs,
                               sounds,
                               messages,
                               clock,
                               programFolder.path()};
    }
};

} // namespace orvane::testkit
