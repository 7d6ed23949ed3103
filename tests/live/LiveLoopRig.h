#pragma once

#include "analysis/ZoneMeasurer.h"
#include "core/Clock.h"
#include "core/EventPump.h"
#include "core/Settings.h"
#include "live/JogDrive.h"
#include "live/KeyState.h"
#include "live/LiveLoop.h"
#include "live/PictureStyle.h"
#include "support/LitBench.h"

namespace orvane::testkit {

// Logs what the jog asked of the motors: E energise, R release, Z zero, K/k knife +1/-1,
// P/p platform +1/-1 (+1 towards the mirror); the pad reads `pad`.
struct FakeJogDrive : JogDrive {
    void stepKnife(int d) override { log += d > 0 ? 'K' : 'k', x += d; }
    void stepPlatform(int d) override { log += d > 0 ? 'P' : 'p', y -= d; }
    void writeMotorOutput() override { log += 'E'; }
    void releaseMotors() override { log += 'R'; }
    int readHandpad() override { return pad; }
    int xpos() const override { return x; }
    int ypos() const override { return y; }
    void zeroPositions() override { log += 'Z', x = y = 0; }
    QString log;
    int pad = 0, x = 0, y = 0;
};

// A live loop on the bench's camera, a logging jog drive and virtual time, with the main
// window's state it works on.
struct LiveLoopRig {
    Settings settings{.StepSize = 0.000125}; // Maxdelay 2000, Mindelay 136, sldAcell 4
    ProgramState program = [] {
        ProgramState live;
        live.enterLive();
        return live;
    }();
    MirrorData mirror;
    ZoneTable zones;
    MirrorCircle circle;
    ViewOptions view;
    QString MotorStatus = QStringLiteral("old status");
    LiveDisplays displays;
    LitBench camera;
    FakeJogDrive drive;
    LatchedKeyState keys;
    VirtualClock clock;
    CallbackEventPump pump;
    ZoneMeasurer measurer{clock};
    LiveLoop loop{
        LiveLoopState{program, settings, mirror, zones, circle, view, MotorStatus, displays},
        LiveLoopDevices{camera, drive, keys, clock, pump}, measurer};

    LiveLoopRig() {
        displays.zoneBars = QImage(300, 100, QImage::Format_RGB32);
        displays.speedGauge = QImage(40, 150, QImage::Format_RGB32);
    }
};

} // namespace orvane::testkit
