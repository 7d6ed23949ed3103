#pragma once

#include <QEventLoop>
#include <QTimer>

namespace orvane {

// Runs a nested event loop until one of the watched signals fires or the time runs out, so a
// wait for the camera keeps the window responsive. One wait per object.
class EventWait {
  public:
    explicit EventWait(int timeoutMs);

    template <typename Sender, typename Signal> void quitOn(const Sender* sender, Signal signal) {
        QObject::connect(sender, signal, &loop_, [this] {
            fired_ = true;
            loop_.quit();
        });
    }

    // True when a watched signal fired before the time ran out.
    bool exec();

  private:
    QEventLoop loop_;
    QTimer timeout_;
    bool fired_ = false;
};

} // namespace orvane
