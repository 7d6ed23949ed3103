#include "analysis/FrameRateMeter.h"

#include "core/Clock.h"
#include "core/NumberText.h"

namespace orvane {

FrameRateMeter::FrameRateMeter(Clock& clock) : clock_(clock), previousNs_(clock.nowNs()) {}

void FrameRateMeter::restart() {
    previousNs_ = clock_.nowNs();
}

qint64 FrameRateMeter::tick(Rounding rounding) {
    ring_[9] = 0;
    for (int k = 7; k >= 0; --k) {
        ring_[k + 1] = ring_[k];
        ring_[9] += ring_[k];
    }
    const qint64 now = clock_.nowNs();
    const qint64 elapsed = now - previousNs_;
    if (elapsed > 0) {
        const double rate = 1e9 / static_cast<double>(elapsed);
        ring_[0] = rounding == Rounding::Nearest ? roundToInt(rate) : static_cast<qint64>(rate);
    } else {
        ring_[0] = ring_[1]; // two frames in the same instant: keep the newest rate
    }
    previousNs_ = now;
    return (ring_[9] + ring_[0]) / 10;
}

} // namespace orvane
