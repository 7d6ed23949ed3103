#include "analysis/LiveLoop.h"

#include "analysis/JogDrive.h"
#include "analysis/MirrorTracker.h"
#include "analysis/Overlay.h"
#include "analysis/PictureStyle.h"
#include "analysis/StatusTexts.h"
#include "analysis/ZoneMeasurer.h"
#include "capture/FrameSource.h"
#include "core/EventPump.h"
#include "core/Settings.h"

#include <QPainter>
#include <QScopedValueRollback>

namespace orvane {

namespace {
constexpr int LiveFramesToAverage = 10;
} // namespace

LiveLoop::LiveLoop(LiveLoopState state, LiveLoopDevices devices, ZoneMeasurer& measurer)
    : s_(state), d_(devices), measurer_(measurer),
      jog_(state.settings, devices.drive, devices.keys, devices.clock, devices.pump),
      raw_(paintableCopy(QImage())) {}

void LiveLoop::start() {
    s_.MotorStatus.clear();
    jog_.begin();
    d_.drive.releaseMotors();
    measurer_.setFramesToAverage(LiveFramesToAverage);
    measurer_.frameRate().restart();
    running_ = true;
}

LoopOutcome LiveLoop::runPass() {
    if (!running_)
        return LoopOutcome::Stopped;
    if (inPass_)
        return LoopOutcome::Running; // a tick that arrived through this pass's event pump
    const QScopedValueRollback passGuard(inPass_, true);
    if (!jog_.jog())
        return LoopOutcome::Running; // a continuous run step: no frame this pass

    d_.camera.grab(raw_); // a failed grab leaves the previous frame
    if (s_.program.zonesReady()) {
        const MeasureInputs in{.zones = s_.zones,
                               .mirror = s_.mirror,
                               .settings = s_.settings,
                               .MotorStatus = s_.MotorStatus,
                               .Ypos = d_.drive.ypos(),
                               .tracking = s_.view.tracking,
                               .barsOff = s_.view.barsOff,
                               .manual = s_.program.liveAllowed()};
        measurer_.measureZones(raw_, in, s_.circle, s_.displays, d_.pump);
    } else {
        showOutline();
    }
    jog_.showSpeed(s_.displays.picture3);

    if (s_.program.liveAllowed())
        return LoopOutcome::Running;
    d_.drive.releaseMotors();
    running_ = false;
    return s_.program.closing() ? LoopOutcome::CloseWindow : LoopOutcome::Stopped;
}

void LiveLoop::showOutline() {
    QImage shown = paintableCopy(raw_);
    QPainter video(&shown);
    video.setFont(pictureFont(8));
    if (s_.view.tracking) {
        drawTrackMarks(video, trackMirror(raw_, s_.circle, s_.settings.KnifeRight));
        drawStatusTexts(video, d_.drive.ypos(), s_.settings, s_.MotorStatus, s_.mirror);
    } else {
        drawKnifeTravel(video, d_.drive.ypos(), s_.settings);
    }
    drawSimulatedBench(video, s_.displays.simulatedBench);
    drawMirrorOutline(video, s_.circle);
    drawFrameRate(video, measurer_.frameRate().tick(FrameRateMeter::Rounding::Truncate));
    video.end();
    s_.displays.picture1 = std::move(shown);
    d_.pump.processEvents();
}

LoopOutcome LiveLoop::timerTick() {
    ProgramState& program = s_.program;
    if (!running_ && program.liveAllowed() && !program.liveLoopRunning()) {
        program.liveLoopStarted();
        start();
    }
    if (running_ && runPass() == LoopOutcome::Running)
        return LoopOutcome::Running;
    if (program.liveAllowed())
        return LoopOutcome::Stopped; // another loop is the running one
    program.liveLoopEnded();
    return program.closing() ? LoopOutcome::CloseWindow : LoopOutcome::Stopped;
}

} // namespace orvane
