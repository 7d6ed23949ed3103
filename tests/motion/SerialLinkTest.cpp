// The stepper driver on the serial motor port, the board's simulator answering on a
// pseudo-terminal and driving the simulated bench's motors, with the line's faults.
#include "bench/SimulatedBench.h"
#include "motion/SerialMotorPort.h"
#include "motion/SimulatedBoard.h"
#include "motion/StepperDriver.h"

#include <QThread>
#include <gtest/gtest.h>

using namespace orvane;
using Fault = SimulatedBoard::Fault;

namespace {
BenchConfig withInvert(bool invert) {
    BenchConfig config;
    config.motors.invert = invert;
    return config;
}

struct SerialRig {
    explicit SerialRig(bool invert = false) : bench(withInvert(invert)) {
        menus.invert = invert;
        QString error;
        board = SimulatedBoard::start(bench, &error);
        port = board ? SerialMotorPort::open(board->slavePath(), 115200, &error) : nullptr;
        if (!port) {
            ADD_FAILURE() << error.toStdString();
            return;
        }
        port->setFailureHandler([this](const QString& why) { failures << why; });
        driver.emplace(*port, menus, clock, [] { return 1; });
    }

    // Both motors out and part of the way back, then the line settles.
    void walk(int steps) {
        for (int d : {+1, -1})
            for (int i = 0; i < steps / (d > 0 ? 1 : 3); ++i) {
                driver->stepKnife(d);
                driver->stepPlatform(-d);
            }
        port->settle();
    }
    bool positionsTrue() const {
        return bench.knifeMotor().halfSteps() == driver->xpos() &&
               bench.platformMotor().halfSteps() == -driver->ypos() &&
               bench.knifeMotor().missedSteps() + bench.platformMotor().missedSteps() == 0;
    }

    SimulatedBench bench;
    PlatformMenus menus;
    VirtualClock clock;
    std::unique_ptr<SimulatedBoard> board;
    std::unique_ptr<SerialMotorPort> port;
    std::optional<StepperDriver> driver;
    QStringList failures;
};
} // namespace

TEST(SerialLink, TheDriverMovesTheBenchOverThePseudoTerminalThroughFaultsOfTheLine) {
    const struct {
        std::optional<Fault> fault;
        bool invert;
    } cases[] = {{std::nullopt, false},
                 {std::nullopt, true},
                 {Fault::Noise, false},
                 {Fault::DropReply, false},
                 {Fault::Reset, true}};
    for (const auto& c : cases) {
        SerialRig rig(c.invert);
        ASSERT_TRUE(rig.driver);
        if (c.fault)
            rig.board->inject(*c.fault, 100);
        rig.walk(120);
        EXPECT_TRUE(rig.positionsTrue() && rig.failures.isEmpty())
            << int(c.fault.value_or(Fault(-1)));
    }
}

TEST(SerialLink, TheBoardsMoveCommandAndHandPadAndABoardThatStopsAnswering) {
    SerialRig rig;
    ASSERT_TRUE(rig.driver);
    rig.walk(3);
    const auto before = rig.port->positions();
    ASSERT_TRUE(before);
    EXPECT_EQ(rig.port->move(1, -1, 5, 100),
              (SerialMotorPort::Positions{(*before)[0], (*before)[1] - 5}));
    EXPECT_EQ(rig.bench.platformMotor().halfSteps(), -2 - 5);

    rig.bench.setHandpadStatus(0x50);
    for (int i = 0; i < 100 && rig.port->readStatus() != 0x50; ++i)
        QThread::msleep(10);
    EXPECT_EQ(decodeHandpad(rig.port->readStatus()), 5);

    rig.board->inject(Fault::Silence, 10);
    rig.walk(20);
    EXPECT_EQ(rig.failures, QStringList{"The motor board on " + rig.board->slavePath() +
                                        " does not answer; the motors are stopped."});
    EXPECT_EQ(rig.port->readStatus(), 0); // an idle pad, and no more waiting on the line
    EXPECT_FALSE(rig.port->positions());
}
