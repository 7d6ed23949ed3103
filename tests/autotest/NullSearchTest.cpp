#include "autotest/NullSearch.h"
#include "autotest/PrecisionSearch.h"

#include <cmath>

#include <gtest/gtest.h>

using namespace orvane;

namespace {

constexpr bool Right = true;
constexpr bool Left = false;

// The first-run tuning with the moves of 0.000125" half-steps, some limits changed.
AutoTestVariables searchVariables(int max = 70, int min = 40, int lrMinFrames = 4,
                                  int roughFrames = 15, int finalFrames = 30) {
    return {max, min, lrMinFrames, 10, 1, 6, roughFrames, 15, 40, 20, 16, finalFrames, 8};
}

AxisMove knife(int phase, int count) {
    return {Axis::Knife, phase, count, 2};
}
AxisMove platform(int phase, int count) {
    return {Axis::Platform, phase, count, 3};
}

// Feeds frames of the same light until one asks for something; `frames` counts them.
SearchStep feed(NullSearch& search, int lzv, int rzv, bool knifeRight, const AutoTestVariables& v,
                int& frames) {
    for (frames = 1; frames <= 1000; ++frames) {
        const SearchStep step = search.onFrame(lzv, rzv, knifeRight, v);
        if (!step.moves.isEmpty() || step.nullFound || step.zoneEnded)
            return step;
    }
    return {};
}

} // namespace

// Each row feeds one light until the search asks for something, on a fresh zone (zone 4) or on
// the zone of the row before.
TEST(NullSearch, ActionsFollowTheLightStepByStep) {
    const QString forward =
        "Zone 4 Is Closer to mirror, moving forward 0.01\" LZV =%1 RZV = %2\r\n";
    const AutoTestVariables usual = searchVariables();
    const bool Fresh = true, Same = false, Null = true;
    const struct {
        bool fresh;
        AutoTestVariables v;
        int lzv, rzv;
        bool knifeRight;
        int frames;
        QList<AxisMove> moves;
        QString message;
        bool null = false;
    } rows[] = {
        // The knife after LRMinFrames frames: large when beyond Max or Min by more than LRDelta.
        {Fresh, usual, 81, 50, Right, 5, {knife(-1, 6)}, ""},
        {Fresh, usual, 80, 50, Right, 5, {knife(-1, 1)}, ""},
        {Fresh, usual, 30, 50, Right, 5, {knife(1, 1)}, ""},
        {Fresh, usual, 29, 50, Right, 5, {knife(1, 6)}, ""},
        {Fresh, usual, 5, 81, Left, 5, {knife(1, 6)}, ""}, // the left knife judges the right window
        {Fresh, usual, 250, 29, Left, 5, {knife(-1, 6)}, ""},
        // After a reversal only small moves, until the platform moves.
        {Same, usual, 50, 250, Left, 4, {knife(1, 1)}, ""},
        {Same, usual, 50, 5, Left, 4, {knife(-1, 1)}, ""},
        {Same, usual, 44, 65, Left, 15, {platform(-1, 16)}, ""},
        {Same, usual, 5, 5, Left, 4, {knife(-1, 6)}, ""},
        // Min above Max: the cut-in of the first check makes the second move small.
        {Fresh, searchVariables(40, 90), 60, 60, Right, 5, {knife(-1, 6), knife(1, 1)}, ""},
        // The platform after TFRoughFrames: forward while the knife side is not Fwd Delta
        // brighter, the message naming the left value first; back while it is more than Away
        // Delta brighter.
        {Fresh, usual, 60, 50, Right, 16, {platform(1, 40)}, forward.arg(60).arg(50)},
        {Fresh, usual, 58, 45, Left, 16, {platform(1, 40)}, forward.arg(58).arg(45)},
        {Fresh, usual, 65, 44, Right, 16, {platform(-1, 16)}, ""},
        // Between the deltas the final frame judges: a brighter knife side backs off, and the
        // next final frame judges again. Max, Min and the deltas themselves are within.
        {Fresh, usual, 60, 45, Right, 30, {platform(-1, 8)}, ""},
        {Same, usual, 50, 50, Right, 29, {}, "", Null},
        // Final frames not beyond the rough frames end the zone without a null.
        {Fresh, searchVariables(70, 40, 4, 15, 15), 60, 60, Right, 15, {}, ""},
        {Fresh, searchVariables(70, 40, 4, 15, 1), 50, 50, Right, 1, {}, ""},
        {Fresh, usual, 60, 40, Right, 30, {platform(-1, 8)}, ""},
        {Fresh, usual, 70, 50, Right, 30, {platform(-1, 8)}, ""},
        {Fresh, usual, 40, 25, Right, 30, {platform(-1, 8)}, ""},
        // A knife move in the platform's pass keeps the platform still, unless the rough frames
        // are 0: then the same pass also moves forward.
        {Fresh, searchVariables(70, 40, 15), 75, 70, Right, 16, {knife(-1, 1)}, ""},
        {Fresh,
         searchVariables(70, 40, 0, 0),
         75,
         70,
         Right,
         1,
         {knife(-1, 1), platform(1, 40)},
         forward.arg(75).arg(70)},
    };
    NullSearch search;
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.lzv << " " << r.rzv << " " << r.knifeRight);
        if (r.fresh)
            search.start(4, r.v);
        int frames = 0;
        const SearchStep step = feed(search, r.lzv, r.rzv, r.knifeRight, r.v, frames);
        EXPECT_EQ(frames, r.frames);
        EXPECT_EQ(step.moves, r.moves);
        EXPECT_EQ(step.message, r.message);
        EXPECT_EQ(step.nullFound, r.null);
        EXPECT_EQ(step.zoneEnded, r.moves.isEmpty());
        // Every move restarts the average; the zone ends after its last frame.
        EXPECT_EQ(search.frame(), r.moves.isEmpty() ? r.v.TFFinalFrames + 1 : 2);
    }
}

TEST(NullSearch, TheAverageStopsAtTheHistoryWhileTheCountGoesOn) {
    NullSearch search;
    const AutoTestVariables v = searchVariables(70, 40, 4, 15, 45);
    search.start(1, v);
    for (int frame = 1; frame <= 45; ++frame) {
        EXPECT_EQ(search.framesToAverage(), std::min(frame, 30));
        EXPECT_TRUE(search.onFrame(60, frame <= 16 ? 45 : 60, Right, v).moves.isEmpty());
    }
}

// The precision search on a synthetic curve: the balance falls 0.5 grey levels per half-step
// away from the mirror through a null at +37.3 half-steps, with a frame-by-frame wobble of
// +-1. The zone's windows stay between Min and Max, so the knife never moves.
TEST(PrecisionSearch, FitsTheNullBetweenHalfStepsFromBothSides) {
    const AutoTestVariables v = searchVariables();
    const double null = 37.3, slope = -0.5;
    PrecisionSearch search;
    search.start(v, {true, 0.00004, 0.002}, 0.000125);
    int position = 0, frames = 0, reversals = 0;
    SearchStep step;
    while (!step.zoneEnded && ++frames < 1000) {
        const double balance = slope * (position - null) + (frames % 3 - 1);
        step = search.onFrame(int(std::lround(55 + balance / 2)),
                              int(std::lround(55 - balance / 2)), Right, v);
        for (const AxisMove& move : step.moves) {
            EXPECT_EQ(move.axis, Axis::Platform); // the knife stays put
            position -= move.phase * move.count;
        }
        // A move towards the mirror overshoots and comes back the take-up's 16 half-steps, so
        // every position is reached moving away from it and backlash is taken up the same way.
        if (!step.moves.isEmpty() && step.moves.first().phase == NullSearch::TowardsMirror) {
            ++reversals;
            EXPECT_EQ(step.moves.value(1), platform(NullSearch::AwayFromMirror, 16));
        }
    }
    // The first look is at the start; the walk straddles the null, then points on both sides
    // of it (at least two each) pin the line down until its zero is known to 0.32 half-step.
    EXPECT_TRUE(step.nullFound);
    ASSERT_TRUE(step.fitted.has_value());
    EXPECT_NEAR(position + step.fitted->offset, null, 3 * step.fitted->error);
    EXPECT_LE(std::abs(step.fitted->offset), 0.5); // the platform stands at the nearest half-step
    EXPECT_LE(step.fitted->error * 0.000125, 0.00004);
    EXPECT_GE(reversals, 1);
    EXPECT_LT(frames, 120);
}

TEST(PrecisionSearch, TheLineNeedsTwoPositionsAndASlope) {
    // Frames of 3 and 5 at position 0, of 3 and 5 at position 8: a flat line.
    QList<BalancePoint> points{{0, 2, 8, 34}, {8, 2, 8, 34}};
    EXPECT_FALSE(fitNull(points).has_value());
    EXPECT_FALSE(fitNull(points.mid(0, 1)).has_value());
    points[1] = {8, 2, -8, 34}; // frames of -3 and -5: the line 4 - x
    const auto fit = fitNull(points);
    ASSERT_TRUE(fit.has_value());
    EXPECT_DOUBLE_EQ(fit->position, 4);
    EXPECT_DOUBLE_EQ(fit->slope, -1);
    // Each point's frames scatter by sqrt(2); four frames at the points' centre.
    EXPECT_NEAR(fit->error, std::sqrt(2.0 / 4), 1e-12);
}
