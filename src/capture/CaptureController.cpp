#include "capture/CaptureController.h"

#include "capture/FrameMapping.h"

namespace orvane {

CaptureController::CaptureController(FrameSource& drivers, ProgramState& state, int& VidSource,
                                     EventPump& pump, CaptureWindowHooks hooks)
    : drivers_(drivers), state_(state), VidSource_(VidSource), pump_(pump),
      hooks_(std::move(hooks)) {}

VideoMenus CaptureController::menusWithDialogs(const DriverCaps& caps) {
    return {caps.hasSourceDialog, caps.hasFormatDialog, caps.hasDisplayDialog};
}

StartupConnection CaptureController::connectAtStartup() {
    StartupConnection result;
    result.driverName = drivers_.driverName(VidSource_).value_or(QString());
    result.connected = drivers_.connectDriver(VidSource_);
    if (!result.connected)
        return result;
    // Overlay, preview scaling and preview rate need no switching off: frames are only ever
    // pulled one at a time.
    if (const std::optional<DriverCaps> caps = drivers_.capabilities()) {
        const VideoMenus present = menusWithDialogs(*caps);
        result.toDisable = {!present.mnuSource, !present.mnuFormat, !present.mnuDisplay};
    }
    return result;
}

bool CaptureController::grabInto(QImage& Picture1) {
    QImage frame;
    if (!drivers_.grab(frame))
        return false;
    Picture1 = pictureOf(frame);
    return true;
}

void CaptureController::runBlockingDialog(const std::function<void()>& show) {
    state_.holdCamera();
    pump_.processEvents(); // lets the live loop see it and stop grabbing
    if (show)
        show();
    state_.enterLive();
}

void CaptureController::onDisplay() {
    // The live loop keeps running behind this one.
    if (hooks_.showDisplayDialog)
        hooks_.showDisplayDialog();
}

void CaptureController::onFormat() {
    runBlockingDialog(hooks_.showFormatDialog);
}

void CaptureController::onSource() {
    runBlockingDialog(hooks_.showSourceDialog);
}

void CaptureController::onSelect() {
    state_.holdCamera();
    pump_.processEvents();
    if (hooks_.showSelectDialog)
        hooks_.showSelectDialog();
}

bool CaptureController::selectDriver(int index) {
    const bool connected = index >= 0 && drivers_.connectDriver(index);
    if (connected) {
        VidSource_ = index;
        const std::optional<DriverCaps> caps = drivers_.capabilities();
        if (caps && hooks_.setMenusEnabled)
            hooks_.setMenusEnabled(menusWithDialogs(*caps));
    }
    state_.enterLive();
    return connected;
}

void CaptureController::cancelSelection() {
    state_.enterLive();
}

void CaptureController::shutdown() {
    drivers_.disconnectDriver();
}

} // namespace orvane
