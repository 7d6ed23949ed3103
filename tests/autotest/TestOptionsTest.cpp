#include "autotest/TestOptions.h"
#include "autotest/RepeatSchedule.h"
#include "core/TextFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {

constexpr qint64 Minute = 60'000'000'000;

TEST(TestOptions, EachBadValueIsToldAndKeepsItsDefaultAndWhatIsSavedLoadsBack) {
    testkit::TempFolder dir;
    TestOptionsLoad load = loadTestOptions(dir.path());
    EXPECT_TRUE(load.warnings.isEmpty()); // no file: the defaults
    EXPECT_FALSE(load.options.precision.on);
    EXPECT_FALSE(load.options.repeat.everyMinutes.has_value());
    ASSERT_TRUE(
        writeTextFile(dir.file(TestOptionsFileName),
                      "[precision]\non=maybe\nlimit=0.5\ntakeup=-1\n[repeat]\nevery=10\ncount=0\n"
                      "[record]\nvideo=yes\n"));
    load = loadTestOptions(dir.path());
    EXPECT_EQ(load.warnings.size(), 5);
    EXPECT_TRUE(load.warnings.value(0).endsWith(
        ": the value \"maybe\" of precision/on is not true or false; precision/on stays as it "
        "was."));
    EXPECT_EQ(load.options.precision.limit, PrecisionOptions{}.limit);
    EXPECT_EQ(load.options.precision.takeUp, PrecisionOptions{}.takeUp);
    EXPECT_EQ(load.options.repeat, (RepeatOptions{10, 5}));

    const TestOptions saved{{true, 0.00002, 0.0125}, {std::nullopt, 7}, true};
    ASSERT_TRUE(saveTestOptions(dir.path(), saved));
    load = loadTestOptions(dir.path());
    EXPECT_TRUE(load.warnings.isEmpty());
    EXPECT_TRUE(load.options.precision.on);
    EXPECT_EQ(load.options.precision.limit, 0.00002);
    EXPECT_EQ(load.options.precision.takeUp, 0.0125);
    EXPECT_EQ(load.options.repeat, saved.repeat);
    EXPECT_TRUE(load.options.recordVideo);
}

// Every ten minutes from the first start, at once after a test that ran past its successor's
// time, until the count; once only, whatever the count; back to back.
TEST(RepeatSchedule, StartsOnThePeriodOrAtOnceWhenLateUntilTheCount) {
    RepeatSchedule every({10, 3}, Minute);
    EXPECT_EQ(every.next(2 * Minute), 11 * Minute);
    EXPECT_EQ(every.started(), 2);
    EXPECT_EQ(every.next(25 * Minute), 25 * Minute);
    EXPECT_EQ(every.next(26 * Minute), std::nullopt);
    EXPECT_EQ(RepeatSchedule({std::nullopt, 5}, 0).next(1), std::nullopt);
    RepeatSchedule backToBack({0, 2}, 0);
    EXPECT_EQ(backToBack.next(7), 7);
    EXPECT_EQ(backToBack.next(9), std::nullopt);
    EXPECT_EQ(countdownLine(2, 5, Minute + 1'500'000'000), "Test 2 of 5 starts in 1:02");
}

} // namespace
