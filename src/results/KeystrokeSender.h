#pragma once

#include <QString>

namespace orvane {

// Types keys into the window that has the focus, in the SendKeys notation: "%" Alt, "^" Ctrl,
// "+" Shift, "~" or "{enter}" Enter, "{x}" the character x itself, other text as it stands.
class KeystrokeSender {
  public:
    virtual ~KeystrokeSender() = default;
    // `wait`: return only once the keys have been handed over. False when they could not be
    // sent (the sender has said why).
    virtual bool send(const QString& keys, bool wait) = 0;
};

} // namespace orvane
