#pragma once

#include "core/EventPump.h"

#include <QCoreApplication>

namespace orvane {

class QtEventPump : public EventPump {
  public:
    void processEvents() override { QCoreApplication::processEvents(QEventLoop::AllEvents); }
};

} // namespace orvane
