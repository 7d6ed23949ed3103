#include "autotest/AxisRewind.h"
#include "FakeTestRig.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

TEST(AxisRewind, DirectionIsMinusOneOnlyAboveZero) {
    EXPECT_EQ(rewindDirection(120), -1);
    EXPECT_EQ(rewindDirection(1), -1);
    EXPECT_EQ(rewindDirection(0), 1);
    EXPECT_EQ(rewindDirection(-5), 1);
}

TEST(AxisRewind, PlatformReturnsToZeroOneHalfStepAtATime) {
    struct Case {
        int start;
        int steps;
        int phase;
    };
    for (const Case c : {Case{1, 1, 1}, Case{0, 0, 0}, Case{-5, 5, -1}, Case{120, 120, 1}}) {
        VirtualClock clock;
        FakeTestRig rig(clock);
        rig.y = c.start;
        rig.x = 7;
        rewindPlatform(rig);
        EXPECT_EQ(rig.y, 0) << c.start;
        EXPECT_EQ(rig.x, 7) << c.start;
        EXPECT_EQ(rig.platformSteps.size(), c.steps) << c.start;
        EXPECT_EQ(rig.platformSteps.count(c.phase), c.steps) << c.start;
        EXPECT_EQ(rig.waits, QList<int>(c.steps, 2)) << c.start;
        EXPECT_TRUE(rig.knifeSteps.isEmpty());
    }
}

TEST(AxisRewind, KnifeReturnsToZeroWithPhaseAlongThePosition) {
    struct Case {
        int start;
        int steps;
        int phase;
    };
    for (const Case c : {Case{1, 1, -1}, Case{0, 0, 0}, Case{-5, 5, 1}, Case{33, 33, -1}}) {
        VirtualClock clock;
        FakeTestRig rig(clock);
        rig.x = c.start;
        rig.y = -3;
        rewindKnife(rig);
        EXPECT_EQ(rig.x, 0) << c.start;
        EXPECT_EQ(rig.y, -3) << c.start;
        EXPECT_EQ(rig.knifeSteps.size(), c.steps) << c.start;
        EXPECT_EQ(rig.knifeSteps.count(c.phase), c.steps) << c.start;
        EXPECT_EQ(rig.waits, QList<int>(c.steps, 2)) << c.start;
    }
}
