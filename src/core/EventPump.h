#pragma once

#include <functional>

namespace orvane {

// Lets pending window events run; long waits call it so the window stays responsive.
class EventPump {
  public:
    virtual ~EventPump() = default;
    virtual void processEvents() = 0;
};

// For headless runs and tests: runs an optional hook instead of a window system.
class CallbackEventPump : public EventPump {
  public:
    explicit CallbackEventPump(std::function<void()> hook = {}) : hook_(std::move(hook)) {}
    void processEvents() override {
        ++count_;
        if (hook_)
            hook_();
    }
    int count() const { return count_; }
    void setHook(std::function<void()> hook) { hook_ = std::move(hook); }

  private:
    std::function<void()> hook_;
    int count_ = 0;
};

} // namespace orvane
