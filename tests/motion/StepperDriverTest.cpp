#include "motion/StepperDriver.h"

#include "motion/RecordingPort.h"

#include <gtest/gtest.h>

using namespace orvane;
using orvane::testkit::RecordingPort;

namespace {
struct DriverRig {
    RecordingPort port;
    PlatformMenus menus;
    VirtualClock clock;
    int mindelay = 136;
    StepperDriver driver{port, menus, clock, [this] { return mindelay; }};
};
} // namespace

TEST(StepperDriver, ComposesKnifeOnLowNibbleAndPlatformOnHighNibble) {
    DriverRig rig;
    rig.driver.writeMotorOutput();
    EXPECT_EQ(rig.port.last(), 0x11);
    rig.driver.stepKnife(+1);
    EXPECT_EQ(rig.port.last(), 0x13);
    rig.driver.stepPlatform(+1);
    EXPECT_EQ(rig.port.last(), 0x33);
    rig.driver.stepPlatform(+1);
    EXPECT_EQ(rig.port.last(), 0x23);
}

TEST(StepperDriver, InvertComplementsEveryCoilWithinItsNibble) {
    DriverRig rig;
    rig.menus.invert = true;
    rig.driver.writeMotorOutput();
    EXPECT_EQ(rig.port.last(), 0xEE);
    rig.driver.stepPlatform(-1); // platform phase 7
    EXPECT_EQ(rig.driver.tfPhase(), 7);
    EXPECT_EQ(rig.port.last(), 0x6E);
}

TEST(StepperDriver, ReverseFlagsReadTheirAxisSequenceBackwards) {
    DriverRig rig;
    rig.menus.lrSwap = true;
    rig.driver.stepKnife(+1);
    EXPECT_EQ(rig.port.last(), 0x19);
    rig.menus.lrSwap = false;
    rig.menus.tfSwap = true;
    rig.driver.stepPlatform(+1);
    EXPECT_EQ(rig.port.last(), 0x93);
}

TEST(StepperDriver, SwapMovesTheKnifeToTheHighNibble) {
    DriverRig rig;
    rig.menus.swapMotors = true;
    rig.driver.stepKnife(+1);
    EXPECT_EQ(rig.port.last(), 0x31);
    rig.menus.tfSwap = true; // reverse still follows its own axis after the swap
    rig.driver.stepPlatform(+1);
    EXPECT_EQ(rig.port.last(), 0x39);
    rig.menus.invert = true;
    rig.driver.writeMotorOutput();
    EXPECT_EQ(rig.port.last(), 0xC6);
}

TEST(StepperDriver, MenusAreReadAtEveryOutput) {
    DriverRig rig;
    rig.driver.writeMotorOutput();
    rig.menus.invert = true;
    rig.driver.writeMotorOutput();
    rig.menus.invert = false;
    rig.menus.swapMotors = true;
    rig.driver.writeMotorOutput();
    EXPECT_EQ(rig.port.written, (std::vector<quint8>{0x11, 0xEE, 0x11}));
    rig.driver.stepKnife(+1);
    EXPECT_EQ(rig.port.last(), 0x31);
}

TEST(StepperDriver, PhasesWrapBothWaysWhilePositionsKeepCounting) {
    DriverRig rig;
    rig.driver.stepKnife(-1);
    EXPECT_EQ(rig.driver.lrPhase(), 7);
    EXPECT_EQ(rig.driver.xpos(), -1);
    EXPECT_EQ(rig.port.last(), 0x19);
    rig.driver.stepKnife(+1);
    EXPECT_EQ(rig.driver.lrPhase(), 0);
    EXPECT_EQ(rig.driver.xpos(), 0);
    for (int i = 0; i < 11; ++i)
        rig.driver.stepKnife(+1);
    EXPECT_EQ(rig.driver.lrPhase(), 3);
    EXPECT_EQ(rig.driver.xpos(), 11);

    for (int i = 0; i < 8; ++i)
        rig.driver.stepPlatform(+1);
    EXPECT_EQ(rig.driver.tfPhase(), 0);
    EXPECT_EQ(rig.driver.ypos(), -8);
    rig.driver.stepPlatform(-1);
    EXPECT_EQ(rig.driver.tfPhase(), 7);
    EXPECT_EQ(rig.driver.ypos(), -7);
    EXPECT_EQ(rig.port.written.size(), 22u);
}

TEST(StepperDriver, PositionsCanBeZeroedWithoutMoving) {
    DriverRig rig;
    rig.driver.stepKnife(+1);
    rig.driver.stepPlatform(+1);
    rig.driver.setXpos(0);
    rig.driver.setYpos(0);
    EXPECT_EQ(rig.driver.xpos(), 0);
    EXPECT_EQ(rig.driver.ypos(), 0);
    EXPECT_EQ(rig.driver.lrPhase(), 1);
    EXPECT_EQ(rig.driver.tfPhase(), 1);
    EXPECT_EQ(rig.port.written.size(), 2u);
}

TEST(StepperDriver, ReleaseTurnsAllCoilsOffInTheOutputPolarity) {
    DriverRig rig;
    rig.driver.stepKnife(+1);
    rig.driver.releaseMotors();
    EXPECT_EQ(rig.port.last(), 0x00);
    rig.menus.invert = true;
    rig.driver.releaseMotors();
    EXPECT_EQ(rig.port.last(), 0xFF);
    EXPECT_EQ(rig.driver.lrPhase(), 1);
}

TEST(StepperDriver, StepWaitCountsMicrosecondsOfMindelay) {
    DriverRig rig;
    rig.mindelay = 0;
    rig.driver.stepWait(3);
    EXPECT_EQ(rig.clock.nowNs(), 0);
    rig.mindelay = 136;
    rig.driver.stepWait(3);
    EXPECT_EQ(rig.clock.nowNs(), 408'000);
    rig.driver.stepWait(2);
    EXPECT_EQ(rig.clock.nowNs(), 408'000 + 272'000);
}

TEST(StepperDriver, StepWaitReadsMindelayAgainAtEveryCount) {
    RecordingPort port;
    PlatformMenus menus;
    VirtualClock clock;
    int reads = 0;
    // The slider drops from 136 to 10 after 100 reads: the wait ends at once, at count 100.
    StepperDriver driver(port, menus, clock, [&] { return ++reads <= 100 ? 136 : 10; });
    driver.stepWait(3);
    EXPECT_EQ(reads, 101);
    EXPECT_EQ(clock.nowNs(), 100'000);
}

TEST(StepperDriver, CountedWaitStartsFromTheGivenCount) {
    DriverRig rig;
    rig.driver.countedWait(-50, [] { return qint64(136); });
    EXPECT_EQ(rig.clock.nowNs(), 186'000);
    rig.driver.countedWait(200, [] { return qint64(136); });
    EXPECT_EQ(rig.clock.nowNs(), 186'000);
}

TEST(Handpad, DecodesTheStatusLinesIntoCodes) {
    EXPECT_EQ(decodeHandpad(0x78), 0); // pins 10, 12, 13 all on
    EXPECT_EQ(decodeHandpad(0xB0), 14);
    EXPECT_EQ(decodeHandpad(0x80), 10);
    EXPECT_EQ(decodeHandpad(0x00), 0);
    // Rows of the table: pin 10 = bit 6, pin 12 = bit 5, pin 13 = bit 4.
    EXPECT_EQ(decodeHandpad(0x10), 1);
    EXPECT_EQ(decodeHandpad(0x30), 4);
    EXPECT_EQ(decodeHandpad(0x50), 5);
    EXPECT_EQ(decodeHandpad(0x20), 2);
    EXPECT_EQ(decodeHandpad(0x60), 6);
    EXPECT_EQ(decodeHandpad(0x40), 3);
    EXPECT_EQ(decodeHandpad(0x70), 0);
    EXPECT_EQ(decodeHandpad(0xD0), 15);
    EXPECT_EQ(decodeHandpad(0xF0), 10);
    // The low bits carry no pad lines.
    EXPECT_EQ(decodeHandpad(0x2F), 2);
}

TEST(Handpad, DriverReadsTheStatusRegister) {
    DriverRig rig;
    rig.port.status = 0xA0;
    EXPECT_EQ(rig.driver.readHandpad(), 12);
    rig.port.status = 0x50;
    EXPECT_EQ(rig.driver.readHandpad(), 5);
}
