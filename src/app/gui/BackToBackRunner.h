#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace orvane {

// Runs one unit of work per event-loop turn, back to back, so the window stays live between
// units: the frames of the live loop, the steps of a test. While `held` says so (a pause) the
// work waits, looking again every HeldPollMs.
class BackToBackRunner : public QObject {
    Q_OBJECT

  public:
    static constexpr int HeldPollMs = 25;

    // `unit` returns whether there is more to do.
    BackToBackRunner(std::function<bool()> unit, std::function<bool()> held,
                     QObject* parent = nullptr);

    void start();
    void stop() { timer_.stop(); }
    bool active() const { return timer_.isActive(); }

  private:
    void turn();

    std::function<bool()> unit_;
    std::function<bool()> held_;
    QTimer timer_;
};

} // namespace orvane
