#include "app/shell/ShutdownSequence.h"

#include "core/AppState.h"
#include "core/Clock.h"
#include "core/EventPump.h"

namespace orvane {

namespace {

constexpr int DrainRounds = 20;
constexpr double DrainWaitMs = 100;

void call(const std::function<void()>& hook) {
    if (hook)
        hook();
}

} // namespace

ShutdownSequence::ShutdownSequence(RunFlags& flags, Clock& clock, EventPump& pump,
                                   ShutdownHooks hooks)
    : flags_(flags), clock_(clock), pump_(pump), hooks_(std::move(hooks)) {}

void ShutdownSequence::run() {
    call(hooks_.helpQuit);
    call(hooks_.stopTimer);
    // A second unload (the window reloaded while closing) must not save again.
    if (!flags_.ExitRequested)
        call(hooks_.saveSettings);
    flags_.Manual = false;
    flags_.LoopRunning = false;
    flags_.ExitRequested = true;
    for (int i = 0; i < DrainRounds; ++i) {
        pump_.processEvents();
        waitMs(DrainWaitMs, clock_, pump_);
    }
    flags_.abort = true;
    call(hooks_.showAbortChecked);
    call(hooks_.clearCaptureCallbacks);
}

} // namespace orvane
