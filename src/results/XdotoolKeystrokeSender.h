#pragma once

#include "core/MessageBoxes.h"
#include "results/KeystrokeSender.h"

namespace orvane {

// Types keys on an X11 desktop with the xdotool program; problems are told through `boxes`.
class XdotoolKeystrokeSender : public KeystrokeSender {
  public:
    // `xdotool` is the program to run; empty when it was not found.
    XdotoolKeystrokeSender(MessageBoxes& boxes, QString xdotool);
    // Looks xdotool up on the PATH.
    explicit XdotoolKeystrokeSender(MessageBoxes& boxes);

    // xdotool returns once the X server has the events, in order; whether the target window
    // has digested them cannot be seen from here, so both kinds of send run it to the end.
    bool send(const QString& keys, bool wait) override;

  private:
    bool fail(const QString& problem);

    MessageBoxes& boxes_;
    QString xdotool_;
};

} // namespace orvane
