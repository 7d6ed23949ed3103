#pragma once

#include "autotest/FrameLog.h"
#include "autotest/NullSearch.h"
#include "autotest/PrecisionSearch.h"
#include "autotest/TestProgress.h"
#include "autotest/TestRecording.h"
#include "autotest/TestRig.h"

namespace orvane {

// The automatic test ("Do the Magic"): for every set and zone the null search, the reading at
// the null and the growing table; after every set the rewind to the origin and the debug log;
// at the end the elapsed time, the statistics and Save Data.
//
// It runs one unit of work per step() so a window can give each frame its own event-loop turn
// and a headless run can drive it in virtual time. Pending events are expected to run between
// calls; step() itself never lets them run.
class TestRun {
  public:
    // The half-steps one step() makes at most: a longer move goes on in the steps after it, so
    // that the window's events, and Abort with them, get their turn while the motors run.
    static constexpr int HalfStepsPerStep = 500;

    explicit TestRun(TestEnvironment env);

    // Shows "Please setup zones first ;)" and returns false when no zones are set up; otherwise
    // stops the live loop, energises the motors and returns true. Ignored while running.
    bool start();
    // One measured frame of the current zone's search or a part of the move it called for, or
    // the rewind message, or the rewind with its debug log; the end sequence runs in the step
    // that reaches it (last set, abort or window closing).
    void step();

    bool running() const { return phase_ != Phase::Idle && phase_ != Phase::Finished; }
    bool finished() const { return phase_ == Phase::Finished; }
    int currentSet() const { return set_; }
    int currentZone() const { return zone_; }
    const NullSearch& search() const { return search_; }
    const QList<FrameLogRow>& frameLog() const { return frameLog_; }
    // Zone searches begun since the test started; with the frame log, the frames each took.
    int zoneSearches() const { return zoneSearches_; }
    bool precision() const { return precisionOn_; }
    TestProgress progress() const;

  private:
    enum class Phase { Idle, Searching, AnnouncingRewind, Rewinding, Finished };

    void searchFrame();
    void beginZone();
    void endZone();
    void continueMoves();
    void makeMove(const AxisMove& move);
    void recordNull();
    void savePictures();
    void saveFrameLog();
    void finishRecording(bool saved);
    void announceRewind();
    void rewindAndLog();
    void finishTest();
    void reportElapsedTime(qint64 endNs);
    void reportStatistics();
    void writeDebugLog();
    void prependText1(const QString& line);
    static void call(const std::function<void()>& hook);
    static void call(const std::function<void(bool)>& hook, bool value);

    TestEnvironment env_;
    NullSearch search_;
    PrecisionSearch precise_;
    bool precisionOn_ = false;
    double originOffset_ = 0; // zone 1's fitted null from the origin, half-steps
    Phase phase_ = Phase::Idle;
    int zones_ = 0;
    int lastSet_ = 0;
    int set_ = 0;
    int zone_ = 1;
    bool zoneStarted_ = false;
    // What is left of the moves a frame called for, and what follows them.
    QList<AxisMove> pendingMoves_;
    bool nullAfterMoves_ = false;
    bool zoneEndsAfterMoves_ = false;
    std::optional<FittedNull> fittedAfterMoves_;
    int zoneSearches_ = 0;
    qint64 testStartNs_ = 0;
    QString previousReadings_;
    bool debugLogFailed_ = false;
    QList<FrameLogRow> frameLog_;
    std::optional<TestRecording> recording_;
};

} // namespace orvane
