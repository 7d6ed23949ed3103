#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

namespace orvane {

// Monotonic time for frame rates, test times and waits. Tests and headless runs use the
// virtual clock, so a wait costs no wall time.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual qint64 nowNs() const = 0;
    // Lets `ns` nanoseconds pass (busy on the real clock, instant on the virtual one).
    virtual void spinNs(qint64 ns) = 0;
};

class SteadyClock : public Clock {
  public:
    SteadyClock() { timer_.start(); }
    qint64 nowNs() const override { return timer_.nsecsElapsed(); }
    void spinNs(qint64 ns) override {
        const qint64 end = timer_.nsecsElapsed() + ns;
        while (timer_.nsecsElapsed() < end) {
        }
    }

  private:
    QElapsedTimer timer_;
};

class VirtualClock : public Clock {
  public:
    qint64 nowNs() const override { return now_; }
    void spinNs(qint64 ns) override { now_ += ns > 0 ? ns : 0; }

  private:
    qint64 now_ = 0;
};

class EventPump;
// Waits `milliseconds` on the monotonic clock, letting events run on every round.
void waitMs(double milliseconds, Clock& clock, EventPump& pump);

} // namespace orvane
