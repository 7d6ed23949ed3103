#pragma once

#include "core/MessageBoxes.h"
#include "core/Settings.h"

#include <QString>

namespace orvane {

// What the step size dialog shows and takes: full steps in the chosen unit.
struct StepSizeEntry {
    QString toFrom;    // Text1
    QString leftRight; // Text2
    bool millimetres = false;
    bool operator==(const StepSizeEntry&) const = default;
};

// The explanation shown above the step size boxes.
QString stepSizeHelpText();

// Turns full steps typed by the user into the half-step sizes the motors count in, refusing
// entries the program cannot run with.
class StepSizeEditor {
  public:
    StepSizeEditor(Settings& settings, MessageBoxes& messages);

    StepSizeEntry current() const;
    // Returns whether the dialog may close; on false the user has been told why.
    bool accept(const StepSizeEntry& entry);
    bool cancel();

  private:
    void refuse(const QString& title, const QString& text);

    Settings& settings_;
    MessageBoxes& messages_;
};

} // namespace orvane
