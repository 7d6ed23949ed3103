#pragma once

#include "AnalysisFakes.h"
#include "analysis/LiveLoop.h"
#include "analysis/PictureStyle.h"
#include "analysis/ZoneMeasurer.h"
#include "app/core/Clock.h"
#include "app/core/EventPump.h"
#include "app/core/Settings.h"

#include <memory>

namespace orvane::testkit {

// A live loop on fake devices and virtual time, with the main window's state it works on.
struct LiveLoopRig {
    Settings settings;
    RunFlags flags;
    MirrorData mirror;
    ZoneTable zones;
    MirrorCircle circle;
    ViewOptions view;
    QString MotorStatus = QStringLiteral("old status");
    LiveDisplays displays;

    ScriptedFrameSource camera;
    FakeJogDrive drive;
    HeldKeys keys;
    VirtualClock clock;
    CallbackEventPump pump;
    ZoneMeasurer measurer{clock};
    LiveLoop loop{
        LiveLoopState{flags, settings, mirror, zones, circle, view, MotorStatus, displays},
        LiveLoopDevices{camera, drive, keys, clock, pump}, measurer};

    LiveLoopRig() {
        settings.StepSize = 0.000125;
        settings.Maxdelay = 2000;
        settings.Mindelay = 136;
        settings.sldAcell = 4;
        flags.Manual = true;
        camera.frames.push_back(discFrame(160, 120, 100));
        clearPicture(displays.picture2, QSize(300, 100));
        clearPicture(displays.picture3, QSize(40, 150));
    }

    // Starts the loop and lets one idle pass bring the jog to a standstill.
    void startStanding() {
        loop.start();
        loop.runPass();
        drive.calls.clear();
    }
};

} // namespace orvane::testkit
