#include "app/shell/Timer1Tick.h"

#include "core/AppState.h"

namespace orvane {

void timer1Tick(RunFlags& flags, const std::function<void()>& runLiveLoop,
                const std::function<void()>& closeWindow) {
    if (flags.Manual && !flags.LoopRunning && !flags.ExitRequested) {
        flags.LoopRunning = true;
        flags.Manual = true;
        if (runLiveLoop)
            runLiveLoop();
    }
    if (flags.Manual && !flags.ExitRequested)
        return;
    flags.LoopRunning = false;
    if (flags.ExitRequested && closeWindow)
        closeWindow();
}

} // namespace orvane
