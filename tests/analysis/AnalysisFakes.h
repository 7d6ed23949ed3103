#pragma once

#include "analysis/JogDrive.h"
#include "analysis/KeyState.h"
#include "capture/FrameSource.h"

#include <QImage>
#include <deque>
#include <set>
#include <vector>

namespace orvane::testkit {

// A 320 x 240 picture, black except for a disc of `level` grey (pixels whose centre lies within
// `radius` of the disc's centre).
inline QImage discFrame(int cx, int cy, int radius, int level = 255) {
    QImage frame(320, 240, QImage::Format_RGB32);
    frame.fill(Qt::black);
    const QRgb lit = qRgb(level, level, level);
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius)
                frame.setPixel(x, y, lit);
        }
    }
    return frame;
}

inline QImage uniformFrame(QRgb colour) {
    QImage frame(320, 240, QImage::Format_RGB32);
    frame.fill(colour);
    return frame;
}

// Hands out scripted frames, repeating the last; fails when the script is empty.
class ScriptedFrameSource : public FrameSource {
  public:
    std::deque<QImage> frames;
    int grabs = 0;

    std::optional<QString> driverName(int) const override { return QStringLiteral("scripted"); }
    bool connectDriver(int) override { return true; }
    std::optional<DriverCaps> capabilities() const override { return DriverCaps{}; }
    bool grab(QImage& picture) override {
        ++grabs;
        if (frames.empty())
            return false;
        picture = frames.front();
        if (frames.size() > 1)
            frames.pop_front();
        return true;
    }
};

// Records what the jog asked of the motors; the pad returns scripted codes, then `padCode`.
class FakeJogDrive : public JogDrive {
  public:
    enum class Call { Knife, Platform, Energise, Release, Zero };
    struct Record {
        Call call;
        int d = 0;
    };
    std::vector<Record> calls;
    std::deque<int> padScript;
    int padCode = 0;
    int padReads = 0;
    int x = 0;
    int y = 0;

    void stepKnife(int d) override {
        calls.push_back({Call::Knife, d});
        x += d;
    }
    void stepPlatform(int d) override {
        calls.push_back({Call::Platform, d});
        y -= d;
    }
    void writeMotorOutput() override { calls.push_back({Call::Energise}); }
    void releaseMotors() override { calls.push_back({Call::Release}); }
    int readHandpad() override {
        ++padReads;
        if (padScript.empty())
            return padCode;
        const int code = padScript.front();
        padScript.pop_front();
        return code;
    }
    int xpos() const override { return x; }
    int ypos() const override { return y; }
    void zeroPositions() override {
        calls.push_back({Call::Zero});
        x = y = 0;
    }

    int count(Call call) const {
        int n = 0;
        for (const Record& r : calls)
            n += r.call == call ? 1 : 0;
        return n;
    }
    int steps(Call call, int d) const {
        int n = 0;
        for (const Record& r : calls)
            n += r.call == call && r.d == d ? 1 : 0;
        return n;
    }
};

// Keys held down until released by the test.
class HeldKeys : public KeyState {
  public:
    std::set<JogKey> down;
    bool wasPressed(JogKey key) override { return down.count(key) > 0; }
};

} // namespace orvane::testkit
