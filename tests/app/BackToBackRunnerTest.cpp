#include "app/gui/BackToBackRunner.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

TEST(BackToBackRunner, RunsUnitsUntilThereIsNothingLeftAndLetsEventsRunBetween) {
    int units = 0;
    int timerTicks = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&] { ++timerTicks; });
    other.start(0);
    BackToBackRunner runner([&] { return ++units < 10; }, {});
    runner.start();
    runner.start(); // already running: no second chain
    EXPECT_TRUE(runner.active());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !runner.active(); }, 2000));
    EXPECT_EQ(units, 10);
    EXPECT_GE(timerTicks, 5);
}

TEST(BackToBackRunner, WaitsWhileHeldAndCanBeStopped) {
    int units = 0;
    bool held = true;
    BackToBackRunner runner([&] { return ++units < 1000000; }, [&] { return held; });
    runner.start();
    QTest::qWait(3 * BackToBackRunner::HeldPollMs);
    EXPECT_EQ(units, 0);
    EXPECT_TRUE(runner.active());
    held = false;
    EXPECT_TRUE(QTest::qWaitFor([&] { return units > 20; }, 2000));
    runner.stop();
    const int stoppedAt = units;
    QTest::qWait(20);
    EXPECT_EQ(units, stoppedAt);
}

} // namespace
