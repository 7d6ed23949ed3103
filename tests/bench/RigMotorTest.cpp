#include "bench/RigMotor.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {
// Coils of the half-step sequence, phase 0..7: one, two, one, two ... adjacent coils.
constexpr int Sequence[8] = {0x1, 0x3, 0x2, 0x6, 0x4, 0xC, 0x8, 0x9};
} // namespace

TEST(RigMotor, FollowsTheSequenceBothWaysAcrossTheWrap) {
    RigMotor motor(false, 0);
    for (int i = 1; i <= 10; ++i)
        motor.drive(Sequence[i % 8]);
    EXPECT_EQ(motor.phase(), 2);
    EXPECT_EQ(motor.halfSteps(), 10);
    EXPECT_EQ(motor.travel(), 10);
    for (int i = 9; i >= -3; --i)
        motor.drive(Sequence[(i + 8) % 8]);
    EXPECT_EQ(motor.phase(), 5);
    EXPECT_EQ(motor.halfSteps(), -3);
    EXPECT_EQ(motor.missedSteps(), 0);
}

TEST(RigMotor, ReversedWiringTurnsTheOtherWay) {
    RigMotor motor(true, 0);
    motor.drive(Sequence[1]);
    EXPECT_EQ(motor.phase(), 7);
    EXPECT_EQ(motor.halfSteps(), -1);
    motor.drive(Sequence[0]);
    motor.drive(Sequence[7]);
    EXPECT_EQ(motor.halfSteps(), 1);
}

TEST(RigMotor, RepeatedAndReleasedPatternsLeaveItWhereItIs) {
    RigMotor motor(false, 0);
    motor.drive(Sequence[1]);
    motor.drive(Sequence[1]);
    motor.drive(0x0);
    EXPECT_EQ(motor.halfSteps(), 1);
    motor.drive(Sequence[2]); // the phase survives the release
    EXPECT_EQ(motor.halfSteps(), 2);
    EXPECT_EQ(motor.phase(), 2);
}

TEST(RigMotor, JumpsAreMissedStepsAndStrangePatternsMoveNothing) {
    RigMotor motor(false, 0);
    motor.drive(Sequence[2]); // two phases at once
    EXPECT_EQ(motor.missedSteps(), 1);
    EXPECT_EQ(motor.halfSteps(), 0);
    EXPECT_EQ(motor.phase(), 2);
    motor.drive(Sequence[6]);
    EXPECT_EQ(motor.missedSteps(), 2);
    motor.drive(Sequence[7]); // on from where the field left the rotor
    EXPECT_EQ(motor.halfSteps(), 1);
    for (int coils : {0x5, 0x7, 0xA, 0xB, 0xD, 0xE, 0xF})
        motor.drive(coils);
    EXPECT_EQ(motor.phase(), 7);
    EXPECT_EQ(motor.halfSteps(), 1);
    EXPECT_EQ(motor.missedSteps(), 2);
}

TEST(RigMotor, BacklashTakesUpThePlayAfterEachReversal) {
    RigMotor motor(false, 3);
    int phase = 0;
    auto step = [&](int d, int times) {
        for (int i = 0; i < times; ++i) {
            phase = (phase + d + 8) % 8;
            motor.drive(Sequence[phase]);
        }
    };
    step(+1, 5); // the rig starts as after forward moves
    EXPECT_EQ(motor.travel(), 5);
    step(-1, 3);
    EXPECT_EQ(motor.travel(), 5);
    step(-1, 2);
    EXPECT_EQ(motor.travel(), 3);
    step(+1, 4);
    EXPECT_EQ(motor.travel(), 4);
    EXPECT_EQ(motor.halfSteps(), 4);
    step(-1, 2); // a reversal inside the play gives back only what it used
    step(+1, 2);
    EXPECT_EQ(motor.travel(), 4);
    step(+1, 1);
    EXPECT_EQ(motor.travel(), 5);
    EXPECT_EQ(motor.halfSteps(), 5);
}
