#include "capture/EventWait.h"

namespace orvane {

EventWait::EventWait(int timeoutMs) {
    timeout_.setSingleShot(true);
    timeout_.setInterval(timeoutMs);
    QObject::connect(&timeout_, &QTimer::timeout, &loop_, &QEventLoop::quit);
}

bool EventWait::exec() {
    // A signal that fired before the loop started would otherwise be missed: quit() before
    // exec() does nothing.
    if (fired_)
        return true;
    timeout_.start();
    loop_.exec();
    timeout_.stop();
    return fired_;
}

} // namespace orvane
