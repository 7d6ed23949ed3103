#pragma once

#include <functional>

namespace orvane {

struct RunFlags;

// One tick of the main window's 25 ms timer: enters the live loop when it may run (and stays
// there until the loop returns), and closes the window once it is being closed.
void timer1Tick(RunFlags& flags, const std::function<void()>& runLiveLoop,
                const std::function<void()>& closeWindow);

} // namespace orvane
