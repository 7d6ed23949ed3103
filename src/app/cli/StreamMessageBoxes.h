#pragma once

#include "core/MessageBoxes.h"

#include <QTextStream>

namespace orvane {

// Messages of a run without a window: title and text go to a stream (stderr) and every question
// is answered OK.
class StreamMessageBoxes : public MessageBoxes {
  public:
    explicit StreamMessageBoxes(QTextStream& stream) : stream_(stream) {}
    MessageAnswer show(const Message& message) override;

  private:
    QTextStream& stream_;
};

} // namespace orvane
