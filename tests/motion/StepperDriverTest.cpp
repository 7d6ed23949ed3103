#include "motion/StepperDriver.h"

#include "motion/PhaseTable.h"
#include "motion/RecordingPort.h"

#include <gtest/gtest.h>

using namespace orvane;
using orvane::testkit::RecordingPort;

namespace {
// The half-step sequence: one coil, then two adjacent ones, round the four coils.
constexpr int HalfSteps[8] = {0x1, 0x3, 0x2, 0x6, 0x4, 0xC, 0x8, 0x9};

struct DriverRig {
    RecordingPort port;
    PlatformMenus menus;
    VirtualClock clock;
    StepperDriver driver{port, menus, clock, [] { return 136; }};
};
} // namespace

TEST(PhaseTable, HalfStepsOnEitherNibbleInvertedAndReversed) {
    for (int i = 0; i < 64; ++i) {
        const int phase = i % 8, invert = i / 8 % 2, reverse = i / 16 % 2, slot = i / 32;
        const int coils = HalfSteps[reverse ? (8 - phase) % 8 : phase];
        EXPECT_EQ(PhaseTable::pattern(phase, invert, reverse, slot), (invert ? 0xF - coils : coils)
                                                                         << 4 * slot)
            << "entry " << i;
    }
}

TEST(StepperDriver, ByteOnThePortFollowsPhasesAndPlatformMenus) {
    // Menus: i invert, s swap motors, l reverse L/R, t reverse T/F. Steps are signed counts.
    const struct {
        const char* menus;
        int knifeSteps, platformSteps, byte;
    } cases[] = {
        {"", 0, 0, 0x11},   {"", 1, 0, 0x13},    {"", 1, 1, 0x33},  {"", 1, 2, 0x23},
        {"", -1, 0, 0x19},  {"", 11, 0, 0x16},   {"", 0, 9, 0x31},  {"i", 0, 0, 0xEE},
        {"i", 0, -1, 0x6E}, {"l", 1, 0, 0x19},   {"t", 1, 1, 0x93}, {"s", 1, 0, 0x31},
        {"st", 1, 1, 0x39}, {"ist", 1, 1, 0xC6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.menus << " " << c.knifeSteps << " " << c.platformSteps);
        DriverRig rig; // the menus are set after the driver is made: it reads them per byte
        const QByteArray menus(c.menus);
        rig.menus.invert = menus.contains('i');
        rig.menus.swapMotors = menus.contains('s');
        rig.menus.lrSwap = menus.contains('l');
        rig.menus.tfSwap = menus.contains('t');
        for (int i = 0; i < std::abs(c.knifeSteps); ++i)
            rig.driver.stepKnife(c.knifeSteps > 0 ? 1 : -1);
        for (int i = 0; i < std::abs(c.platformSteps); ++i)
            rig.driver.stepPlatform(c.platformSteps > 0 ? 1 : -1);
        EXPECT_EQ(rig.driver.xpos(), c.knifeSteps);
        EXPECT_EQ(rig.driver.ypos(), -c.platformSteps); // + is towards the mirror
        rig.driver.writeMotorOutput();
        EXPECT_EQ(rig.port.last(), c.byte);
        rig.driver.releaseMotors();
        EXPECT_EQ(rig.port.last(), rig.menus.invert ? 0xFF : 0x00);
    }
}

TEST(StepperDriver, WaitsCountMicrosecondsReadingMindelayAtEveryCount) {
    DriverRig rig;
    rig.driver.stepWait(3);
    EXPECT_EQ(rig.clock.nowNs(), 408'000);
    rig.driver.countedWait(-50, [] { return qint64(136); });
    EXPECT_EQ(rig.clock.nowNs(), 408'000 + 186'000);

    // The slider drops from 136 to 10 after 100 reads: the wait ends at once, at count 100.
    int reads = 0;
    VirtualClock clock;
    StepperDriver driver(rig.port, rig.menus, clock, [&] { return ++reads <= 100 ? 136 : 10; });
    driver.stepWait(3);
    EXPECT_EQ(reads, 101);
    EXPECT_EQ(clock.nowNs(), 100'000);
}

TEST(Handpad, StatusLinesDecodeIntoCodes) {
    // Pin 11 = bit 7 adds 10; pin 10 = bit 6, pin 12 = bit 5, pin 13 = bit 4; low bits unused.
    const std::pair<int, int> cases[] = {{0x00, 0},  {0x10, 1},  {0x20, 2},  {0x40, 3}, {0x30, 4},
                                         {0x50, 5},  {0x60, 6},  {0x70, 0},  {0x78, 0}, {0x2F, 2},
                                         {0x80, 10}, {0xB0, 14}, {0xD0, 15}, {0xF0, 10}};
    for (const auto& [status, code] : cases)
        EXPECT_EQ(decodeHandpad(status), code) << "status " << status;
}
