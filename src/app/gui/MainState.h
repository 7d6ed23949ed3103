#pragma once

#include "autotest/TestOptions.h"
#include "autotest/TestRig.h"
#include "core/AppState.h"
#include "live/LiveDisplays.h"
#include "live/LiveLoop.h"

namespace orvane {

// The main window's state besides the settings and the program state: the current mirror and its
// zones, the test's readings, the mirror circle, the view toggles, and what the pictures and the
// text boxes show. The controls only display it.
struct MainState {
    MirrorData mirror;
    ZoneTable zones;
    ZoneReadings readings;
    MirrorCircle circle;
    ViewOptions view;
    LiveDisplays displays;
    TestOutputs outputs{.debugLog = QStringLiteral("Debug Output Screen\r\n"),
                        .readingsTable = {},
                        .MotorStatus = {}};
    // The precision search and the repeated tests, from orvane-test.ini.
    TestOptions testOptions;
};

} // namespace orvane
