#include "autotest/TestRun.h"

#include "autotest/AxisRewind.h"
#include "autotest/ReadingsTable.h"
#include "autotest/TestPaths.h"
#include "autotest/TestStatistics.h"
#include "core/LogCategories.h"
#include "core/NumberText.h"
#include "core/ProgramFolder.h"
#include "core/SafeSave.h"
#include "core/Settings.h"
#include "core/TextFile.h"

#include <QTime>
#include <algorithm>

namespace orvane {

namespace {
constexpr double NsPerSecond = 1e9;
const QString NewLine = QStringLiteral("\r\n");
} // namespace

TestRun::TestRun(TestEnvironment env) : env_(std::move(env)) {}

bool TestRun::start() {
    if (running())
        return false;
    if (!env_.program.zonesReady()) {
        env_.messages.show(
            {QStringLiteral("Do the Zones!"), QStringLiteral("Please setup zones first ;)")});
        return false;
    }
    env_.program.startTest();
    call(env_.hooks.setLiveTimerEnabled, false);
    testStartNs_ = env_.clock.nowNs();
    frameLog_.clear();
    zoneSearches_ = 0;
    precisionOn_ = env_.precision && env_.precision->on;
    originOffset_ = 0;
    env_.outputs.precision = precisionOn_;
    env_.outputs.readingErrors.clear();
    recording_.reset();
    if (env_.recordVideo && env_.recordVideo())
        recording_.emplace(prepareReportFolder(env_.settings.textpath, env_.mirror.WorkFile));
    env_.rig.writeMotorOutput();
    env_.outputs.debugLog.clear();
    env_.readings.clear();
    call(env_.hooks.setCommandsEnabled, false);
    call(env_.hooks.setSpeedGaugeVisible, false);
    call(env_.hooks.relayout);

    // The table holds 16 zones and four sets whatever a settings or mirror file says.
    zones_ = std::clamp(env_.mirror.NZ, 0, MaxZones);
    lastSet_ = std::clamp(env_.settings.Reps, 0, MaxSets - 1);
    set_ = 0;
    zone_ = 1;
    zoneStarted_ = false;
    pendingMoves_.clear();
    previousReadings_.clear();
    debugLogFailed_ = false;
    phase_ = zones_ > 0 ? Phase::Searching : Phase::AnnouncingRewind;
    return true;
}

TestProgress TestRun::progress() const {
    return {set_ + 1, lastSet_ + 1, std::min(zone_, std::max(1, zones_)), std::max(1, zones_),
            env_.clock.nowNs() - testStartNs_};
}

void TestRun::step() {
    if (!running())
        return;
    switch (phase_) {
    case Phase::Searching:
        searchFrame();
        break;
    case Phase::AnnouncingRewind:
        announceRewind();
        break;
    case Phase::Rewinding:
        rewindAndLog();
        break;
    case Phase::Idle:
    case Phase::Finished:
        break;
    }
}

void TestRun::searchFrame() {
    if (!pendingMoves_.isEmpty()) {
        continueMoves();
        return;
    }
    if (!zoneStarted_)
        beginZone();
    if (!precisionOn_ && search_.finished()) {
        endZone();
        return;
    }
    TestRig& rig = env_.rig;
    rig.grabFrame();
    rig.setFramesToAverage(precisionOn_ ? PrecisionSearch::framesPerPoint(env_.settings.autoTest)
                                        : search_.framesToAverage());
    rig.measureZones();
    const int frame = precisionOn_ ? int(frameLog_.size()) + 1 : search_.frame();
    const int lzv = rig.lzv(zone_);
    const int rzv = rig.rzv(zone_);
    frameLog_.append({int(frameLog_.size()) + 1,
                      double(env_.clock.nowNs() - testStartNs_) / NsPerSecond, rig.xpos(),
                      rig.ypos(), zone_, lzv, rzv});
    if (recording_)
        recording_->addFrame(rig.shownPicture());
    const bool knifeRight = env_.settings.KnifeRight;
    const AutoTestVariables& vars = env_.settings.autoTest;
    const SearchStep step =
        precisionOn_ ? precise_.onFrame(rig.exactLzv(zone_), rig.exactRzv(zone_), knifeRight, vars)
                     : search_.onFrame(lzv, rzv, knifeRight, vars);
    qCDebug(lcSearch).nospace() << "zone " << zone_ << " frame " << frame << " at X " << rig.xpos()
                                << " Y " << rig.ypos() << ", LZV " << lzv << " RZV " << rzv << ": "
                                << step;
    if (!step.message.isEmpty())
        prependText1(step.message);
    pendingMoves_ = step.moves;
    nullAfterMoves_ = step.nullFound;
    zoneEndsAfterMoves_ = step.zoneEnded;
    fittedAfterMoves_ = step.fitted;
    continueMoves();
}

// The next half-steps of the moves; once they are all made, the null and the zone's end that
// waited for them.
void TestRun::continueMoves() {
    for (int budget = HalfStepsPerStep; budget > 0 && !pendingMoves_.isEmpty();) {
        AxisMove& move = pendingMoves_.first();
        const int part = std::min(move.count, budget);
        makeMove({move.axis, move.phase, part, move.waitFactor});
        budget -= part;
        move.count -= part;
        if (move.count <= 0)
            pendingMoves_.removeFirst();
    }
    const bool moved = pendingMoves_.isEmpty();
    if (moved && nullAfterMoves_)
        recordNull();
    if (env_.program.abortRequested() || env_.program.closing()) {
        finishTest();
        return;
    }
    if (moved && zoneEndsAfterMoves_)
        endZone();
}

void TestRun::beginZone() {
    env_.sounds.playAsync(zoneSoundPath(env_.programFolder, zone_));
    prependText1(QStringLiteral("Now working on Zone ") + numberText(zone_) + NewLine);
    env_.outputs.MotorStatus = QStringLiteral("Testing Zone ") + numberText(zone_);
    if (precisionOn_)
        precise_.start(env_.settings.autoTest, *env_.precision, env_.settings.StepSize);
    else
        search_.start(zone_, env_.settings.autoTest);
    zoneStarted_ = true;
    ++zoneSearches_;
}

void TestRun::endZone() {
    zoneStarted_ = false;
    if (++zone_ > zones_)
        phase_ = Phase::AnnouncingRewind;
}

void TestRun::makeMove(const AxisMove& move) {
    for (int i = 0; i < move.count; ++i) {
        if (move.axis == Axis::Knife)
            env_.rig.stepKnife(move.phase);
        else
            env_.rig.stepPlatform(move.phase);
        env_.rig.stepWait(move.waitFactor);
    }
}

void TestRun::recordNull() {
    TestRig& rig = env_.rig;
    if (zone_ == 1 && set_ == 0) {
        // Zone 1's first null is the origin of every reading of the test.
        rig.zeroPositions();
        previousReadings_ = env_.outputs.readingsTable;
        rig.grabStill();
        rig.measureZones();
    }
    // A fitted null lies between half-steps: its reading counts from zone 1's fitted null.
    const std::optional<FittedNull>& fitted = fittedAfterMoves_;
    if (fitted && zone_ == 1 && set_ == 0)
        originOffset_ = fitted->offset;
    const double steps = fitted ? rig.ypos() + fitted->offset - originOffset_ : rig.ypos();
    const double factor = env_.settings.Metric ? MillimetresPerInch : 1.0;
    env_.readings.at(zone_, set_) = roundHalfEven(steps * env_.settings.StepSize * factor, 4);
    if (fitted)
        env_.outputs.readingErrors.at(zone_, set_) =
            roundHalfEven(fitted->error * env_.settings.StepSize * factor, 6);
    env_.outputs.readingsTable =
        readingsTableText(env_.readings, zones_, lastSet_, previousReadings_);
    if (env_.settings.SavePicture == 1)
        savePictures();
    prependText1(QStringLiteral("Found Zone ") + numberText(zone_) + QStringLiteral(" @ ") +
                 QTime::currentTime().toString() + QStringLiteral(" LZV =") +
                 numberText(rig.lzv(zone_)) + QStringLiteral(" RZV = ") +
                 numberText(rig.rzv(zone_)) + NewLine);
}

void TestRun::savePictures() {
    const QString folder =
        prepareImageFolder(env_.settings.textpath, env_.mirror.WorkFile, env_.mirror.WorkNum);
    if (folder.isEmpty())
        return;
    const QString name = QStringLiteral("Zone%1rep%2.bmp").arg(zone_).arg(set_);
    env_.rig.savePictures(joinPath(folder, {name}), joinPath(folder, {"Raw_" + name}));
}

// Beside the saved pictures, so a test recorded in pictures can be followed frame by frame.
void TestRun::saveFrameLog() {
    const QString folder =
        prepareImageFolder(env_.settings.textpath, env_.mirror.WorkFile, env_.mirror.WorkNum);
    const QString path = joinPath(folder, {QStringLiteral("frames.csv")});
    if (!folder.isEmpty() && !saveFileSafely(path, frameLogCsv(frameLog_).toUtf8()))
        qCDebug(lcResults) << "could not save" << path;
}

// Named as the report it belongs to, which Save Data has just taken a number for; a test not
// saved leaves the one recording of its kind.
void TestRun::finishRecording(bool saved) {
    if (!recording_)
        return;
    const QString name = saved ? QStringLiteral("test") + numberText(env_.mirror.WorkNum - 1)
                               : QStringLiteral("unsaved-test");
    const QStringList problems = recording_->finish(frameLog_, name);
    recording_.reset();
    if (!problems.isEmpty())
        env_.messages.show(
            {QStringLiteral("Recording Problem"), problems.join('\n'), MessageIcon::Exclamation});
}

void TestRun::announceRewind() {
    const int ypos = env_.rig.ypos();
    prependText1(QStringLiteral("Rewinding ") + numberText(ypos) + QStringLiteral(" Steps to ") +
                 numberText(rewindDirection(ypos)) + QStringLiteral("steps") + NewLine);
    phase_ = Phase::Rewinding;
}

void TestRun::rewindAndLog() {
    rewindPlatform(env_.rig);
    rewindKnife(env_.rig);
    writeDebugLog();
    if (++set_ > lastSet_) {
        finishTest();
        return;
    }
    zone_ = 1;
    phase_ = Phase::Searching;
}

void TestRun::finishTest() {
    const ProgramState& program = env_.program;
    env_.outputs.MotorStatus = program.abortRequested() ? QStringLiteral("Test Aborted!")
                                                        : QStringLiteral("Test Complete! :)");
    env_.rig.grabStill();
    env_.rig.measureZones();
    env_.rig.releaseMotors();
    if (env_.settings.SavePicture == 1)
        saveFrameLog();
    if (program.closing())
        call(env_.hooks.closeWindow);
    env_.program.endTest();
    call(env_.hooks.setCommandsEnabled, true);
    call(env_.hooks.setLiveTimerEnabled, true);
    const qint64 endNs = env_.clock.nowNs();
    env_.rig.restartFrameTiming();
    reportElapsedTime(endNs);
    call(env_.hooks.uncheckTrack);
    if (!program.abortRequested())
        env_.sounds.playWait(endSoundPath(env_.programFolder));
    const int unsavedTest = env_.mirror.WorkNum;
    if (!program.abortRequested() && !program.closing() && program.zonesReady()) {
        reportStatistics();
        call(env_.hooks.saveData);
    }
    finishRecording(env_.mirror.WorkNum != unsavedTest);
    writeDebugLog();
    env_.rig.restartFrameTiming();
    call(env_.hooks.setSpeedGaugeVisible, true);
    call(env_.hooks.relayout);
    phase_ = Phase::Finished;
}

void TestRun::reportElapsedTime(qint64 endNs) {
    const qint64 secs = roundToInt(static_cast<double>(endNs - testStartNs_) / NsPerSecond);
    const QString line = QStringLiteral("Elapsed Test Time, ") + numberText(secs / 60) +
                         QStringLiteral(" Minutes ") + numberText(secs % 60) +
                         QStringLiteral(" seconds");
    TestOutputs& out = env_.outputs;
    out.readingsTable = line + NewLine + out.readingsTable;
    out.debugLog = line + NewLine + out.debugLog + out.readingsTable;
}

void TestRun::reportStatistics() {
    TestOutputs& out = env_.outputs;
    if (lastSet_ == 0) {
        // One set has no spread; the exports still need a figure.
        out.TestStdDeviation = 0.01;
        return;
    }
    double deviation = testStandardDeviation(env_.readings, zones_, lastSet_);
    const QString line = QStringLiteral("Standard Deviation for this test was: ") +
                         numberText(roundHalfEven(deviation, 5)) + env_.settings.units() + NewLine;
    out.debugLog = line + out.debugLog;
    out.readingsTable = line + out.readingsTable;
    if (!env_.settings.Metric)
        deviation *= MillimetresPerInch; // the sixtests export takes millimetres
    out.TestStdDeviation = deviation;
}

void TestRun::writeDebugLog() {
    if (env_.settings.DebugDisplay) {
        const QString path = debugLogPath(env_.programFolder);
        if (!appendTextFile(path, env_.outputs.debugLog + NewLine) && !debugLogFailed_) {
            debugLogFailed_ = true; // once per test is enough to tell
            env_.messages.show({QStringLiteral("Debug Log Problem"),
                                QStringLiteral("Unable to write the debug log ") + path,
                                MessageIcon::Critical});
        }
    }
    env_.outputs.debugLog.clear();
}

void TestRun::prependText1(const QString& line) {
    env_.outputs.debugLog.prepend(line);
}

void TestRun::call(const std::function<void()>& hook) {
    if (hook)
        hook();
}

void TestRun::call(const std::function<void(bool)>& hook, bool value) {
    if (hook)
        hook(value);
}

} // namespace orvane
