#include "autotest/AxisRewind.h"

#include "autotest/TestRig.h"

#include <cstdlib>

namespace orvane {

namespace {
constexpr int RewindWait = 2;
}

int rewindDirection(int position) {
    return position > 0 ? -1 : 1;
}

void rewindPlatform(TestRig& rig) {
    const int d = rewindDirection(rig.ypos());
    // A platform phase step of -d changes Ypos by +d.
    for (int left = std::abs(rig.ypos()); left > 0; --left) {
        rig.stepPlatform(-d);
        rig.stepWait(RewindWait);
    }
}

void rewindKnife(TestRig& rig) {
    const int d = rewindDirection(rig.xpos());
    for (int left = std::abs(rig.xpos()); left > 0; --left) {
        rig.stepKnife(d);
        rig.stepWait(RewindWait);
    }
}

} // namespace orvane
