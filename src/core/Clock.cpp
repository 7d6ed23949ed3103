#include "core/Clock.h"

#include "core/EventPump.h"

#include <algorithm>

namespace orvane {

void waitMs(double milliseconds, Clock& clock, EventPump& pump) {
    constexpr qint64 RoundNs = 1'000'000; // one millisecond between event rounds
    const qint64 target = static_cast<qint64>(static_cast<float>(milliseconds) * 1e6);
    const qint64 start = clock.nowNs();
    do {
        pump.processEvents();
        const qint64 left = target - (clock.nowNs() - start);
        if (left > 0)
            clock.spinNs(std::min(left, RoundNs));
    } while (clock.nowNs() - start < target);
}

} // namespace orvane
