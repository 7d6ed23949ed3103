#include "bench/SimulatedBench.h"
#include "motion/StepperDriver.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {
// The program's driver talking to a bench. Wiring bits of the rig and of the program's menus:
// 1 invert, 2 swap, 4 reverse L/R, 8 reverse T/F.
struct Station {
    Station(int rigWiring, int menuWiring, int backlash = 0) : bench(wired(rigWiring, backlash)) {
        std::tie(menus.invert, menus.swapMotors, menus.lrSwap, menus.tfSwap) =
            std::tuple(menuWiring & 1, menuWiring & 2, menuWiring & 4, menuWiring & 8);
    }
    static BenchConfig wired(int w, int backlash) {
        BenchConfig c;
        std::tie(c.motors.invert, c.motors.swap, c.motors.reverseLr, c.motors.reverseTf,
                 c.motors.backlash) = std::tuple(w & 1, w & 2, w & 4, w & 8, backlash);
        return c;
    }
    qint64 jogKnife(int d, int times) { // the carriage's travel after the moves
        for (int i = 0; i < times; ++i)
            driver.stepKnife(d);
        return bench.knifeMotor().travel();
    }
    SimulatedBench bench;
    PlatformMenus menus;
    VirtualClock clock;
    StepperDriver driver{bench, menus, clock, [] { return 1; }};
};
} // namespace

TEST(RigMotor, HalfStepsFollowTheCoilsAndJumpsAreMissed) {
    RigMotor motor(false, 0);
    // Each pattern with the rotor's phase, net half-steps and missed steps after it.
    const std::tuple<int, int, int, int> script[] = {
        {0x3, 1, 1, 0}, {0x3, 1, 1, 0}, {0x0, 1, 1, 0}, // repeated and released: no move
        {0x2, 2, 2, 0}, {0xC, 5, 2, 1}, {0x8, 6, 3, 1}, // a jump is missed, then on from there
        {0x5, 6, 3, 1}, {0xF, 6, 3, 1},                 // patterns of no phase move nothing
    };
    for (const auto& [coils, phase, halfSteps, missed] : script) {
        motor.drive(coils);
        EXPECT_EQ(std::tuple(motor.phase(), motor.halfSteps(), motor.missedSteps()),
                  std::tuple(phase, halfSteps, missed))
            << "coils " << coils;
    }
}

TEST(DriverAndBench, AgreeAfterMovesEachWayWhenTheMenusMatchTheWiring) {
    for (int w = 0; w < 16; ++w) {
        Station s(w, w);
        // Both directions, each past a phase wrap, the axes interleaved, released between.
        s.driver.writeMotorOutput();
        for (int i = 0; i < 11; ++i) {
            s.driver.stepKnife(+1);
            s.driver.stepPlatform(-1);
        }
        s.driver.releaseMotors();
        s.jogKnife(-1, 19);
        for (int i = 0; i < 17; ++i)
            s.driver.stepPlatform(+1);
        const RigMotor &knife = s.bench.knifeMotor(), &platform = s.bench.platformMotor();
        EXPECT_EQ(std::tuple(knife.halfSteps(), platform.halfSteps(),
                             knife.missedSteps() + platform.missedSteps()),
                  std::tuple(-8, 6, 0)) // as the program counts them: xpos -8, ypos -6
            << "wiring " << w;

        // The program's wrong beliefs: polarity leaves the motor still, a reversal turns it
        // backwards, a swap moves the other one.
        Station polarity(w, w ^ 1), reverse(w, w ^ 4), swap(w, w ^ 2);
        const auto jogs =
            std::tuple(polarity.jogKnife(+1, 5), reverse.jogKnife(+1, 5), swap.jogKnife(+1, 5));
        EXPECT_EQ(jogs, std::tuple(0, -5, 0)) << w;
        EXPECT_EQ(std::abs(swap.bench.platformMotor().halfSteps()), 5) << w;
    }
}

TEST(DriverAndBench, CarriagesMoveByTheStepSizeLessTheBacklashAfterEachReversal) {
    Station s(0, 0, 3);
    EXPECT_EQ(s.jogKnife(+1, 5), 5); // the rig starts as after forward moves
    EXPECT_EQ(s.jogKnife(-1, 3), 5);
    EXPECT_DOUBLE_EQ(s.bench.knifeEdge(), 0.01 + 5 * 0.000125);
    EXPECT_EQ(s.jogKnife(-1, 2), 3);
    EXPECT_EQ(s.jogKnife(+1, 4), 4);
    EXPECT_EQ(s.jogKnife(-1, 2), 4); // a reversal inside the play gives back only what it used
    EXPECT_EQ(s.jogKnife(+1, 2), 4);
    EXPECT_EQ(s.jogKnife(+1, 1), 5);
    s.driver.stepPlatform(+1); // towards the mirror
    EXPECT_DOUBLE_EQ(s.bench.knifePlane(), -0.000125);
}
