#pragma once

#include "capture/FrameSource.h"

#include <QColor>
#include <QStringList>
#include <map>

namespace orvane::testkit {

// A driver list whose names, connectable drivers, capabilities and frames the test sets.
class FakeFrameSource : public FrameSource {
  public:
    explicit FakeFrameSource(QStringList driverNames = {}) : names(std::move(driverNames)) {}

    std::optional<QString> driverName(int index) const override {
        if (index < 0 || index >= names.size())
            return std::nullopt;
        return names.at(index);
    }
    bool connectDriver(int index) override {
        connectRequests.push_back(index);
        connected = index >= 0 && index < names.size() && !refused.contains(index) ? index : -1;
        return connected >= 0;
    }
    std::optional<DriverCaps> capabilities() const override {
        if (connected < 0)
            return std::nullopt;
        DriverCaps caps = capsByDriver.count(connected) ? capsByDriver.at(connected) : DriverCaps{};
        caps.deviceIndex = connected;
        return caps;
    }
    bool grab(QImage& picture) override {
        ++grabs;
        if (connected < 0 || !framesFlow)
            return false;
        picture = frame;
        return true;
    }
    void disconnectDriver() override {
        ++disconnects;
        connected = -1;
    }

    static QImage solidFrame(QColor colour) {
        QImage image(PictureWidth, PictureHeight, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

    QStringList names;
    QList<int> refused;                     // indices whose connection fails
    std::map<int, DriverCaps> capsByDriver; // dialogs and overlay per driver
    QImage frame = solidFrame(Qt::darkCyan);
    bool framesFlow = true;
    int connected = -1;
    QList<int> connectRequests;
    int grabs = 0;
    int disconnects = 0;
};

// Caps with only the named dialogs.
inline DriverCaps capsWithDialogs(bool source, bool format, bool display) {
    DriverCaps caps;
    caps.hasSourceDialog = source;
    caps.hasFormatDialog = format;
    caps.hasDisplayDialog = display;
    return caps;
}

} // namespace orvane::testkit
