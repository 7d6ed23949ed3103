#include "app/shell/ShutdownSequence.h"

#include "core/Clock.h"
#include "core/EventPump.h"
#include "core/ProgramState.h"

namespace orvane {

namespace {

constexpr int DrainRounds = 20;
constexpr double DrainWaitMs = 100;

void call(const std::function<void()>& hook) {
    if (hook)
        hook();
}

} // namespace

ShutdownSequence::ShutdownSequence(ProgramState& state, Clock& clock, EventPump& pump,
                                   ShutdownHooks hooks)
    : state_(state), clock_(clock), pump_(pump), hooks_(std::move(hooks)) {}

void ShutdownSequence::run() {
    call(hooks_.helpQuit);
    call(hooks_.stopTimer);
    // A second unload (the window reloaded while closing) must not save again.
    if (!state_.closing())
        call(hooks_.saveSettings);
    state_.beginClosing();
    for (int i = 0; i < DrainRounds; ++i) {
        pump_.processEvents();
        waitMs(DrainWaitMs, clock_, pump_);
    }
    state_.requestAbort(true);
    call(hooks_.showAbortChecked);
    call(hooks_.clearCaptureCallbacks);
}

} // namespace orvane
