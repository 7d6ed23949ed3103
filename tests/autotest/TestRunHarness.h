#pragma once

#include "autotest/TestRun.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QFileInfo>
#include <QStringList>
#include <memory>

namespace orvane::testkit {

// A test run of two zones and one set on a rig in virtual time. The rig, the sounds and the
// main-window hooks write one event log, so the order of everything shows.
class TestRunHarness : public TestRig, public SoundPlayer {
  public:
    TestRunHarness() {
        settings.StepSize = 0.000125;
        settings.KnifeRight = true;
        settings.textpath = dataFolder.path();
        mirror = {QStringLiteral("Mirror"), 6, 0, 48, -1, 2, 7};
        program.setZonesReady(true);
        program.enterLive();
        const auto note = [this](const char* on, const char* off) {
            return [this, on, off](bool value) { log << (value ? on : off); };
        };
        TestHooks hooks{
            note("Timer1 on", "Timer1 off"), note("Commands on", "Commands off"),
            note("Picture3 shown", "Picture3 hidden"), [this] { log << "relayout"; },
            [this] { log << "uncheck track"; }, [this] { log << "close"; },
            // Save Data notes the deviation it is handed.
            [this] { log << "save data " + QString::number(outputs.TestStdDeviation); }};
        run = std::make_unique<TestRun>(TestEnvironment{
            *this, hooks, settings, mirror, readings, program, outputs, *this, messages, clock,
            programFolder.path(), nullptr, [this] { return record; }});
    }

    // Every zone nulls on its first frame with balanced light; the counter is placed before
    // the first frame of each (set, zone).
    void nullOnFirstFrame(std::function<int(int set, int zone)> platformAt) {
        settings.autoTest = {70, 40, 100, 10, 0, 0, 0, -1000, 0, 1000, 0, 1, 0};
        beforeGrab = [this, platformAt] { y = platformAt(run->currentSet(), run->currentZone()); };
    }
    // Starts and runs until the test ends; false when it is still running after `maxSteps`.
    bool runToEnd(int maxSteps = 10'000) {
        if (!run->start())
            return false;
        for (int i = 0; i < maxSteps && !run->finished(); ++i)
            run->step();
        return run->finished();
    }
    void steps(int count) {
        for (int i = 0; i < count; ++i)
            run->step();
    }
    // The log with each run of equal events shortened to "event xN".
    QStringList runs() const {
        QStringList out;
        for (int i = 0, n = 1; i < log.size(); ++i, ++n) {
            if (i + 1 < log.size() && log[i + 1] == log[i])
                continue;
            out << (n > 1 ? QStringLiteral("%1 x%2").arg(log[i]).arg(n) : log[i]);
            n = 0;
        }
        return out;
    }

    void grabFrame() override {
        if (beforeGrab)
            beforeGrab();
        log << "grab";
        clock.spinNs(frameNs);
    }
    QImage shownPicture() override {
        QImage picture(32, 24, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        return picture;
    }
    void grabStill() override {
        log << "still";
        clock.spinNs(frameNs);
    }
    void setFramesToAverage(int frames) override { frames_ = frames; }
    void measureZones() override {
        log << QStringLiteral("measure %1").arg(frames_);
        if (afterMeasure)
            afterMeasure();
    }
    int lzv(int) const override { return light.first; }
    int rzv(int) const override { return light.second; }
    double exactLzv(int) const override { return light.first; }
    double exactRzv(int) const override { return light.second; }
    void restartFrameTiming() override { log << "timing"; }
    void writeMotorOutput() override { log << "energise"; }
    void stepKnife(int phase) override {
        x += phase;
        log << QStringLiteral("knife %1").arg(phase);
    }
    void stepPlatform(int phase) override {
        y -= phase;
        log << QStringLiteral("platform %1").arg(phase);
    }
    // A wait belongs to the half-step logged before it, so equal steps make one run.
    void stepWait(int factor) override { log.last() += QStringLiteral(" wait %1").arg(factor); }
    void releaseMotors() override { log << "release"; }
    int xpos() const override { return x; }
    int ypos() const override { return y; }
    void zeroPositions() override {
        x = y = 0;
        log << "zero";
    }
    void savePictures(const QString& overlayPath, const QString& framePath) override {
        log << "pictures " + overlayPath + " " + framePath;
    }
    void playWait(const QString& path) override { log << "play " + QFileInfo(path).fileName(); }
    void playAsync(const QString& path) override { log << "cue " + QFileInfo(path).fileName(); }

    QStringList log;
    std::pair<int, int> light{50, 50};  // LZV and RZV of every zone
    std::function<void()> beforeGrab;   // e.g. to place the platform
    std::function<void()> afterMeasure; // e.g. to click "Abort Action"
    qint64 frameNs = 40'000'000;
    bool record = false; // the test's video and frame log
    int x = 0;           // Xpos
    int y = 0;           // Ypos
    VirtualClock clock;
    Settings settings;
    MirrorData mirror;
    ZoneReadings readings;
    ProgramState program;
    TestOutputs outputs;
    RecordingMessageBoxes messages;
    TempFolder programFolder;
    TempFolder dataFolder;
    std::unique_ptr<TestRun> run;

  private:
    int frames_ = 0;
};

} // namespace orvane::testkit
