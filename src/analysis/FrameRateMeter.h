#pragma once

#include <QtGlobal>
#include <array>

namespace orvane {

class Clock;

// The frame rate shown on the video picture: the last nine per-frame rates summed and divided
// by ten.
class FrameRateMeter {
  public:
    enum class Rounding { Nearest, Truncate };

    explicit FrameRateMeter(Clock& clock);

    // Starts timing from now (the live loop's start, the end of a test's set-up).
    void restart();
    // Records a frame at the current time and returns the figure to show.
    qint64 tick(Rounding rounding);
    // Slot 0 is the newest rate, slots 1..8 older ones, slot 9 the sum of the eight older ones.
    qint64 ring(int slot) const { return ring_.at(slot); }

  private:
    Clock& clock_;
    std::array<qint64, 10> ring_{};
    qint64 previousNs_ = 0;
};

} // namespace orvane
