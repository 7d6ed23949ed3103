#include "live/LiveLoop.h"

#include "analysis/ZoneMeasurer.h"
#include "capture/FrameMapping.h"
#include "capture/FrameSource.h"
#include "core/Settings.h"
#include "live/JogDrive.h"
#include "live/LiveRenderer.h"
#include "live/PictureStyle.h"

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
    if (!jog_.jog())
        return LoopOutcome::Running; // a continuous run step: no frame this pass

    d_.camera.grab(raw_); // a failed grab leaves the previous frame
    const MeasureInputs measuring{.zones = s_.zones,
                                  .zoneCount = s_.mirror.NZ,
                                  .tracking = s_.view.tracking,
                                  .KnifeRight = s_.settings.KnifeRight};
    const OverlayInputs overlay{.mirror = s_.mirror,
                                .zones = s_.zones,
                                .settings = s_.settings,
                                .MotorStatus = s_.MotorStatus,
                                .Ypos = d_.drive.ypos(),
                                .barsOff = s_.view.barsOff,
                                .manual = s_.program.liveAllowed()};
    if (s_.program.zonesReady()) {
        const FrameMeasurement measured = measurer_.measureZones(raw_, measuring, s_.circle);
        drawZonePass(pictureOf(raw_), measured, s_.circle, overlay, s_.displays);
    } else {
        const FrameMeasurement measured = measurer_.measureWithoutZones(raw_, measuring, s_.circle);
        drawOutlinePass(pictureOf(raw_), measured, s_.circle, overlay, s_.displays);
    }
    jog_.showSpeed(s_.displays.speedGauge);

    if (s_.program.liveAllowed())
        return LoopOutcome::Running;
    d_.drive.releaseMotors();
    running_ = false;
    return s_.program.closing() ? LoopOutcome::CloseWindow : LoopOutcome::Stopped;
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
