#include "bench/SimulatedBench.h"
#include "motion/StepperDriver.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {
struct Wiring {
    bool invert, swap, reverseLr, reverseTf;
};

std::string describe(const Wiring& w) {
    return std::string("invert ") + (w.invert ? "1" : "0") + " swap " + (w.swap ? "1" : "0") +
           " reverse_lr " + (w.reverseLr ? "1" : "0") + " reverse_tf " + (w.reverseTf ? "1" : "0");
}

BenchConfig rigWiredAs(const Wiring& w) {
    BenchConfig c;
    c.motors.invert = w.invert;
    c.motors.swap = w.swap;
    c.motors.reverseLr = w.reverseLr;
    c.motors.reverseTf = w.reverseTf;
    return c;
}

PlatformMenus menusSetAs(const Wiring& w) {
    PlatformMenus m;
    m.invert = w.invert;
    m.swapMotors = w.swap;
    m.lrSwap = w.reverseLr;
    m.tfSwap = w.reverseTf;
    return m;
}

// The program's driver talking to a bench.
struct Station {
    explicit Station(const BenchConfig& rig, const PlatformMenus& programMenus)
        : bench(rig), menus(programMenus) {}
    SimulatedBench bench;
    PlatformMenus menus;
    VirtualClock clock;
    StepperDriver driver{bench, menus, clock, [] { return 1; }};
};

void expectInStep(const Station& s, const std::string& where) {
    const BenchConfig& c = s.bench.config();
    EXPECT_EQ(s.bench.knifeMotor().halfSteps(), s.driver.xpos()) << where;
    EXPECT_EQ(s.bench.platformMotor().halfSteps(), -s.driver.ypos()) << where;
    EXPECT_EQ(s.bench.knifeMotor().missedSteps(), 0) << where;
    EXPECT_EQ(s.bench.platformMotor().missedSteps(), 0) << where;
    EXPECT_DOUBLE_EQ(s.bench.knifeEdge(), c.start.knifeOffset + s.driver.xpos() * c.motors.lrStep)
        << where;
    EXPECT_DOUBLE_EQ(s.bench.knifePlane(),
                     c.start.platformOffset + s.driver.ypos() * c.motors.tfStep)
        << where;
}

std::vector<Wiring> allWirings() {
    std::vector<Wiring> all;
    for (int bits = 0; bits < 16; ++bits)
        all.push_back({bool(bits & 1), bool(bits & 2), bool(bits & 4), bool(bits & 8)});
    return all;
}
} // namespace

TEST(DriverAndBench, AgreeStepForStepWhenTheMenusMatchTheWiring) {
    for (const Wiring& w : allWirings()) {
        Station s(rigWiredAs(w), menusSetAs(w));
        const std::string name = describe(w);
        s.driver.releaseMotors();
        s.driver.writeMotorOutput();
        expectInStep(s, name + " energised");
        // Both directions, each past a phase wrap, with the axes interleaved.
        for (int i = 0; i < 11; ++i) {
            s.driver.stepKnife(+1);
            s.driver.stepPlatform(-1);
            expectInStep(s, name + " out");
        }
        s.driver.releaseMotors();
        for (int i = 0; i < 19; ++i) {
            s.driver.stepKnife(-1);
            expectInStep(s, name + " knife back");
        }
        for (int i = 0; i < 17; ++i) {
            s.driver.stepPlatform(+1);
            expectInStep(s, name + " platform forward");
        }
        EXPECT_EQ(s.driver.xpos(), -8) << name;
        EXPECT_EQ(s.driver.ypos(), -6) << name;
    }
}

TEST(DriverAndBench, MotorsDoNotFollowThroughTheWrongPolarity) {
    for (const Wiring& w : allWirings()) {
        Wiring program = w;
        program.invert = !w.invert;
        Station s(rigWiredAs(w), menusSetAs(program));
        s.driver.writeMotorOutput();
        for (int i = 0; i < 12; ++i) {
            s.driver.stepKnife(+1);
            s.driver.stepPlatform(+1);
        }
        s.driver.releaseMotors();
        EXPECT_EQ(s.bench.knifeMotor().travel(), 0) << describe(w);
        EXPECT_EQ(s.bench.platformMotor().travel(), 0) << describe(w);
        EXPECT_EQ(s.bench.knifeEdge(), s.bench.config().start.knifeOffset);
        EXPECT_EQ(s.driver.xpos(), 12); // the program believes it moved
    }
}

TEST(DriverAndBench, WrongReverseSettingRunsThatMotorBackwards) {
    const Wiring rig{false, false, false, true};
    Station s(rigWiredAs(rig), menusSetAs({false, false, true, true}));
    for (int i = 0; i < 10; ++i)
        s.driver.stepKnife(+1);
    EXPECT_EQ(s.bench.knifeMotor().halfSteps(), -10);
    s.driver.stepPlatform(+1);
    EXPECT_EQ(s.bench.platformMotor().halfSteps(), 1);
}

TEST(DriverAndBench, WrongSwapSettingMovesTheOtherMotor) {
    Station s(rigWiredAs({false, true, false, false}), menusSetAs({false, false, false, false}));
    for (int i = 0; i < 5; ++i)
        s.driver.stepKnife(+1);
    EXPECT_EQ(s.bench.knifeMotor().halfSteps(), 0);
    EXPECT_EQ(s.bench.platformMotor().halfSteps(), 5);
}

TEST(DriverAndBench, MenuChangesTakeEffectOnTheNextByte) {
    const Wiring inverted{true, false, false, false};
    Station s(rigWiredAs(inverted), menusSetAs({false, false, false, false}));
    s.driver.stepKnife(+1);
    EXPECT_EQ(s.bench.knifeMotor().halfSteps(), 0);
    s.menus.invert = true; // the operator fixes the menu; the phases were kept meanwhile
    s.driver.stepKnife(+1);
    s.driver.stepKnife(+1);
    EXPECT_EQ(s.bench.knifeMotor().phase(), 3);
    EXPECT_EQ(s.bench.knifeMotor().halfSteps(), 1);
}

TEST(DriverAndBench, HandpadReachesTheDriver) {
    Station s(BenchConfig{}, PlatformMenus{});
    EXPECT_EQ(s.driver.readHandpad(), 0);
    s.bench.setHandpadStatus(0xB0);
    EXPECT_EQ(s.driver.readHandpad(), 14);
    s.bench.setHandpadStatus(0x78);
    EXPECT_EQ(s.driver.readHandpad(), 0);
}

TEST(DriverAndBench, BacklashLeavesTheCarriageBehindTheCounters) {
    BenchConfig rig;
    rig.motors.backlash = 4;
    Station s(rig, PlatformMenus{});
    for (int i = 0; i < 20; ++i)
        s.driver.stepKnife(+1);
    for (int i = 0; i < 10; ++i)
        s.driver.stepKnife(-1);
    EXPECT_EQ(s.driver.xpos(), 10);
    EXPECT_EQ(s.bench.knifeMotor().halfSteps(), 10);
    EXPECT_EQ(s.bench.knifeMotor().travel(), 14);
    EXPECT_DOUBLE_EQ(s.bench.knifeEdge(), rig.start.knifeOffset + 14 * rig.motors.lrStep);
}

TEST(DriverAndBench, PortJumpOfTwoPhasesIsCountedAsMissed) {
    BenchConfig rig;
    rig.motors.swap = true; // knife on D4..D7
    rig.motors.invert = true;
    SimulatedBench bench(rig);
    bench.writeData(0xEE); // both motors at phase 0, active low
    bench.writeData(0xDE); // knife jumps to phase 2
    EXPECT_EQ(bench.knifeMotor().missedSteps(), 1);
    EXPECT_EQ(bench.knifeMotor().halfSteps(), 0);
    bench.writeData(0x9E); // phase 3: one half-step on from where the field left it
    EXPECT_EQ(bench.knifeMotor().halfSteps(), 1);
    EXPECT_EQ(bench.platformMotor().halfSteps(), 0);
    EXPECT_EQ(bench.platformMotor().missedSteps(), 0);
}
