#pragma once

#include "core/MessageBoxes.h"
#include "results/KeystrokeSender.h"
#include "results/ProcessLauncher.h"

namespace orvane {

// A run without a window starts no outside program and types no keys: each request is refused
// with a message, so the export that asked for it counts as failed.
class RefusingAutomation : public ProcessLauncher, public KeystrokeSender {
  public:
    explicit RefusingAutomation(MessageBoxes& boxes) : boxes_(boxes) {}

    bool start(const QString& program, const QString& folder) override;
    bool send(const QString& keys, bool wait) override;

  private:
    MessageBoxes& boxes_;
};

} // namespace orvane
