#pragma once

#include <QImage>
#include <QString>
#include <optional>

namespace orvane {

// Size of the picture shown (`Picture1`); every position the program keeps is in its pixels.
inline constexpr int PictureWidth = 320;
inline constexpr int PictureHeight = 240;

// What a capture driver says about itself (the first five fields the program reads).
struct DriverCaps {
    int deviceIndex = 0;
    bool hasOverlay = false;
    bool hasSourceDialog = false;
    bool hasFormatDialog = false;
    bool hasDisplayDialog = false;
};

// A camera reached by driver index; grabs deliver one still frame synchronously.
class FrameSource {
  public:
    virtual ~FrameSource() = default;
    // Name of driver `index`, or nothing when there is no such driver.
    virtual std::optional<QString> driverName(int index) const = 0;
    virtual bool connectDriver(int index) = 0;
    // Capabilities of the connected driver; nothing when no driver is connected.
    virtual std::optional<DriverCaps> capabilities() const = 0;
    // Puts the newest frame, at the camera's own size, into `frame`; on failure `frame` keeps
    // its content.
    virtual bool grab(QImage& frame) = 0;
    // Lets go of the connected driver (if any); connecting another one does this first.
    virtual void disconnectDriver() {}
    // Holds the source's own time still while the program pauses, and lets it run on after: a
    // video file has such a time, a camera or the bench none.
    virtual void setPaused(bool /*paused*/) {}
};

} // namespace orvane
