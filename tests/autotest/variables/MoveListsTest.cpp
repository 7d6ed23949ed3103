#include "autotest/variables/MoveLists.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {
Settings withSteps(double lrStepSize, double stepSize, bool metric = false) {
    Settings s;
    s.LRStepSize = lrStepSize;
    s.StepSize = stepSize;
    s.Metric = metric;
    return s;
}
} // namespace

TEST(MoveLists, UnitsForTheDefaultHalfStep) {
    const MoveListUnits units = moveListUnits(withSteps(0.000125, 0.000125));
    EXPECT_EQ(units.knife, 1);
    EXPECT_EQ(units.platform, 8);
}

TEST(MoveLists, UnitsFollowTheStepSizesAndNeverDropBelowOne) {
    EXPECT_EQ(moveListUnits(withSteps(0.0000078125, 0.00025)).knife, 4);
    EXPECT_EQ(moveListUnits(withSteps(0.0000078125, 0.00025)).platform, 4);
    EXPECT_EQ(moveListUnits(withSteps(0.001, 0.004)).platform, 1);
    EXPECT_EQ(moveListUnits(withSteps(0.0, 0.0)).knife, 1);
    EXPECT_EQ(moveListUnits(withSteps(0.0, 0.0)).platform, 1);
}

TEST(MoveLists, DeltaListHoldsZeroToThirty) {
    const QList<ListEntry> entries = deltaEntries();
    ASSERT_EQ(entries.size(), 31);
    EXPECT_EQ(entries.first(), (ListEntry{"0", 0}));
    EXPECT_EQ(entries[15], (ListEntry{"15", 15}));
    EXPECT_EQ(entries.last(), (ListEntry{"30", 30}));
}

TEST(MoveLists, KnifeEntriesShowLengthsWithTheUnit) {
    const Settings s = withSteps(0.000125, 0.000125);
    const QList<ListEntry> entries = knifeMoveEntries(s, 1);
    ASSERT_EQ(entries.size(), 101);
    EXPECT_EQ(entries[0], (ListEntry{"0.000125\"", 1}));
    EXPECT_EQ(entries[1], (ListEntry{"0.00025\"", 2}));
    EXPECT_EQ(entries[5], (ListEntry{"0.00075\"", 6}));
    EXPECT_EQ(entries[100], (ListEntry{"0.012625\"", 101}));
}

TEST(MoveLists, KnifeEntriesInMillimetresAreRoundedToSixDecimals) {
    const Settings s = withSteps(0.0000078125, 0.000125, true);
    const QList<ListEntry> entries = knifeMoveEntries(s, 4);
    EXPECT_EQ(entries[0], (ListEntry{"0.000794mm", 4})); // 0.00079375 mm
    EXPECT_EQ(entries[1], (ListEntry{"0.001588mm", 8})); // 0.0015875 mm, half to even
    EXPECT_EQ(entries[3], (ListEntry{"0.003175mm", 16}));
}

TEST(MoveLists, PlatformEntriesAreHalfUnitsInInches) {
    const Settings s = withSteps(0.000125, 0.000125, true);
    const QList<ListEntry> entries = platformMoveEntries(s, 8);
    ASSERT_EQ(entries.size(), 101);
    EXPECT_EQ(entries[0], (ListEntry{"0.0005", 4}));
    EXPECT_EQ(entries[1], (ListEntry{"0.001", 8}));
    EXPECT_EQ(entries[9], (ListEntry{"0.005", 40}));
    EXPECT_EQ(entries[100], (ListEntry{"0.0505", 404}));
}

TEST(MoveLists, PlatformEntriesOfAnOddUnitRoundHalfStepsToEven) {
    const Settings s = withSteps(0.000125, 0.0003333);
    const QList<ListEntry> entries = platformMoveEntries(s, 3);
    EXPECT_EQ(entries[0], (ListEntry{"0.0005", 2})); // 1.5 half-steps
    EXPECT_EQ(entries[1], (ListEntry{"0.001", 3}));
    EXPECT_EQ(entries[2], (ListEntry{"0.0015", 4})); // 4.5 half-steps
}

TEST(MoveLists, StoredValuesSelectTheirEntries) {
    EXPECT_EQ(deltaIndex(10), 10);
    EXPECT_EQ(knifeMoveIndex(6, 1), 5);
    EXPECT_EQ(knifeMoveIndex(1, 1), 0);
    EXPECT_EQ(knifeMoveIndex(9, 4), 1);
    EXPECT_EQ(platformMoveIndex(40, 8), 9);
    EXPECT_EQ(platformMoveIndex(16, 8), 3);
    EXPECT_EQ(platformMoveIndex(8, 8), 1);
}

TEST(MoveLists, ValuesOutsideTheListsSelectTheNearestEnd) {
    EXPECT_EQ(deltaIndex(-3), 0);
    EXPECT_EQ(deltaIndex(45), 30);
    EXPECT_EQ(knifeMoveIndex(0, 1), 0);
    EXPECT_EQ(knifeMoveIndex(500, 1), 100);
    EXPECT_EQ(platformMoveIndex(0, 8), 0);
    EXPECT_EQ(platformMoveIndex(5000, 8), 100);
}

TEST(MoveLists, CoarsePlatformStepStillSelects) {
    // kTF of 1 makes half a unit round to 0 half-steps; the selection divides by 1 instead.
    EXPECT_EQ(platformMoveIndex(5, 1), 4);
    EXPECT_EQ(platformMoveIndex(1, 1), 0);
}
