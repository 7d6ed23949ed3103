#include "autotest/variables/DerivedMoves.h"
#include "autotest/variables/AutoTestReset.h"

#include <gtest/gtest.h>
#include <limits>

using namespace orvane;

namespace {
struct Moves {
    int lrSm, lrLg, tfOblate, tfRough, tfFinal;
    bool operator==(const Moves&) const = default;
};
Moves movesOf(const AutoTestVariables& v) {
    return {v.LRSmMove, v.LRLgMove, v.TFOblateMove, v.TFRoughMove, v.TFFinalMoves};
}
void PrintTo(const Moves& m, std::ostream* os) {
    *os << m.lrSm << "," << m.lrLg << "," << m.tfOblate << "," << m.tfRough << "," << m.tfFinal;
}
} // namespace

TEST(DerivedMoves, DefaultHalfStepGivesTheKnownMoves) {
    AutoTestVariables v;
    deriveMoves(v, 0.000125, 0.000125);
    EXPECT_EQ(movesOf(v), (Moves{1, 6, 40, 16, 8}));
}

TEST(DerivedMoves, EachAxisUsesItsOwnStepSize) {
    AutoTestVariables v;
    deriveMoves(v, 0.0000625, 0.00025);
    EXPECT_EQ(movesOf(v), (Moves{2, 12, 20, 8, 4}));

    AutoTestVariables knifeOnly;
    deriveKnifeMoves(knifeOnly, 0.000125);
    EXPECT_EQ(movesOf(knifeOnly), (Moves{1, 6, 0, 0, 0}));

    AutoTestVariables platformOnly;
    derivePlatformMoves(platformOnly, 0.000125);
    EXPECT_EQ(movesOf(platformOnly), (Moves{0, 0, 40, 16, 8}));
}

TEST(DerivedMoves, HalvesGoToTheEvenStep) {
    EXPECT_EQ(halfStepsFor(0.000125, 0.00005), 2); // 2.5
    EXPECT_EQ(halfStepsFor(0.00075, 0.0002), 4);   // 3.75
    EXPECT_EQ(halfStepsFor(0.005, 0.0004), 12);    // 12.5
    EXPECT_EQ(halfStepsFor(0.0007, 0.0002), 4);    // 3.5
    EXPECT_EQ(halfStepsFor(0.00075, 0.0003), 2);   // 2.5
    EXPECT_EQ(halfStepsFor(0.000125, 0.001), 0);   // 0.125
}

TEST(DerivedMoves, StepSizesThatCannotBeDividedByDeriveNothing) {
    AutoTestVariables v;
    v.LRSmMove = 3;
    v.TFFinalMoves = 7;
    deriveMoves(v, 0.0, -0.000125);
    EXPECT_EQ(movesOf(v), (Moves{3, 0, 0, 0, 7}));
    EXPECT_EQ(halfStepsFor(0.001, 0.0), 0);
    EXPECT_EQ(halfStepsFor(0.001, std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(DerivedMoves, AbsurdlySmallStepStaysWithinRange) {
    EXPECT_EQ(halfStepsFor(0.005, 1e-300), std::numeric_limits<int>::max());
}

TEST(DerivedMoves, OnlyUnsetMovesAreDerived) {
    AutoTestVariables unset;
    EXPECT_TRUE(deriveMovesIfUnset(unset, 0.000125, 0.000125));
    EXPECT_EQ(movesOf(unset), (Moves{1, 6, 40, 16, 8}));

    AutoTestVariables set;
    set.LRLgMove = 9;
    EXPECT_FALSE(deriveMovesIfUnset(set, 0.000125, 0.000125));
    EXPECT_EQ(movesOf(set), (Moves{0, 9, 0, 0, 0}));
}

TEST(AutoTestReset, RestoresBuiltInValuesButKeepsTheIntensityLimits) {
    Settings s;
    s.StepSize = 0.000125;
    s.LRStepSize = 0.0000625;
    s.autoTest = {77, 33, 9, 1, 5, 5, 18, 2, 3, 4, 5, 19, 6};
    resetAutoTestVariables(s);
    const AutoTestVariables& v = s.autoTest;
    EXPECT_EQ(v.Max, 77);
    EXPECT_EQ(v.Min, 33);
    EXPECT_EQ(v.LRMinFrames, 4);
    EXPECT_EQ(v.LRDelta, 10);
    EXPECT_EQ(v.TFRoughFrames, 15);
    EXPECT_EQ(v.TFOblatedelta, 15);
    EXPECT_EQ(v.TFRoughDelta, 20);
    EXPECT_EQ(v.TFFinalFrames, 30);
    EXPECT_EQ(movesOf(v), (Moves{2, 12, 40, 16, 8}));
}
