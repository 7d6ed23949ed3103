#pragma once

#include <QString>

namespace orvane {

// The start-up progress window as the start-up sequence sees it.
class SplashView {
  public:
    virtual ~SplashView() = default;
    virtual void setStatus(const QString& text) = 0;
    virtual void closeSplash() = 0;
};

} // namespace orvane
