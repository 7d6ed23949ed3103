#include "app/gui/BackToBackRunner.h"

namespace orvane {

BackToBackRunner::BackToBackRunner(std::function<bool()> unit, std::function<bool()> held,
                                   QObject* parent)
    : QObject(parent), unit_(std::move(unit)), held_(std::move(held)) {
    connect(&timer_, &QTimer::timeout, this, &BackToBackRunner::turn);
}

void BackToBackRunner::start() {
    timer_.setInterval(0);
    if (!timer_.isActive())
        timer_.start();
}

void BackToBackRunner::turn() {
    if (held_ && held_()) {
        timer_.setInterval(HeldPollMs);
        return;
    }
    timer_.setInterval(0);
    if (!unit_())
        timer_.stop();
}

} // namespace orvane
