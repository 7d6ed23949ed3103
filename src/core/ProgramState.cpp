#include "core/ProgramState.h"

namespace orvane {

void ProgramState::enterLive() {
    if (!closing())
        mode_ = ProgramMode::Live;
}

void ProgramState::holdCamera() {
    if (!closing())
        mode_ = ProgramMode::Idle;
}

void ProgramState::startTest() {
    if (closing())
        return;
    abortRequested_ = false;
    mode_ = ProgramMode::Testing;
}

void ProgramState::pause() {
    if (closing() || paused())
        return;
    modeBeforePause_ = mode_;
    mode_ = ProgramMode::Paused;
}

void ProgramState::resume() {
    if (paused())
        mode_ = modeBeforePause_;
}

void ProgramState::beginClosing() {
    mode_ = ProgramMode::Closing;
    liveLoopRunning_ = false;
}

} // namespace orvane
