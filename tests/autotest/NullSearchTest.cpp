#include "autotest/NullSearch.h"
#include "support/DefaultSettings.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

constexpr bool KnifeRight = true;
constexpr bool KnifeLeft = false;

// Feeds frames with the same intensities until a frame asks for something; returns that step.
SearchStep runUntilAction(NullSearch& search, int lzv, int rzv, bool knifeRight,
                          const AutoTestVariables& v) {
    for (;;) {
        const SearchStep step = search.onFrame(lzv, rzv, knifeRight, v);
        if (!step.moves.isEmpty() || step.nullFound || step.zoneEnded)
            return step;
    }
}

// Reaches the end of the forward phase: in-range light with the knife side exactly Fwd Delta
// brighter.
void finishForwardPhase(NullSearch& search, const AutoTestVariables& v) {
    for (int guard = 0; guard < 100 && !search.foundOblate(); ++guard)
        ASSERT_TRUE(search.onFrame(60, 60 - v.TFOblatedelta, KnifeRight, v).moves.isEmpty());
    ASSERT_TRUE(search.foundOblate());
}

} // namespace

TEST(NullSearchKnife, TooBrightOnTheFirstAdjustableFrameCutsInLargeAndRestarts) {
    const AutoTestVariables v = testkit::defaultSearchVariables();
    NullSearch search;
    search.start(1, v);
    const int tooBright = v.Max + v.LRDelta + 1;
    for (int f = 1; f <= v.LRMinFrames; ++f) {
        EXPECT_EQ(search.framesToAverage(), f);
        EXPECT_TRUE(search.onFrame(tooBright, 50, KnifeRight, v).moves.isEmpty()) << f;
    }
    const SearchStep step = search.onFrame(tooBright, 50, KnifeRight, v);
    EXPECT_EQ(step.moves, (QList<AxisMove>{{Axis::Knife, -1, v.LRLgMove, 2}}));
    EXPECT_TRUE(step.message.isEmpty());
    EXPECT_FALSE(step.nullFound);
    EXPECT_FALSE(step.zoneEnded);
    EXPECT_TRUE(search.cutIn());
    EXPECT_EQ(search.frame(), 2);
    EXPECT_EQ(search.framesToAverage(), 2);
}

TEST(NullSearchKnife, JustOverTheDeltaTakesTheSmallMove) {
    const AutoTestVariables v = testkit::defaultSearchVariables();
    NullSearch search;
    search.start(1, v);
    // Max + Delta is not beyond Max + Delta.
    EXPECT_EQ(runUntilAction(search, v.Max + v.LRDelta, 50, KnifeRight, v).moves,
              (QList<AxisMove>{{Axis::Knife, -1, v.LRSmMove, 2}}));
    search.start(1, v);
    EXPECT_EQ(runUntilAction(search, v.Min - v.LRDelta, 50, KnifeRight, v).moves,
              (QList<AxisMove>{{Axis::Knife, 1, v.LRSmMove, 2}}));
    search.start(1, v);
    EXPECT_EQ(runUntilAction(search, v.Min - v.LRDelta - 1, 50, KnifeRight, v).moves,
              (QList<AxisMove>{{Axis::Knife, 1, v.LRLgMove, 2}}));
}

TEST(NullSearchKnife, AfterAReversalOnlySmallMovesUntilThePlatformMoves) {
    const AutoTestVariables v = testkit::defaultSearchVariables();
    NullSearch search;
    search.start(3, v);
    const int veryBright = 200;
    const int veryDark = 5;

    EXPECT_EQ(runUntilAction(search, veryBright, 50, KnifeRight, v).moves.first().count,
              v.LRLgMove);
    // Restarted: frames 2..LRMinFrames measure without adjusting.
    for (int f = 2; f <= v.LRMinFrames; ++f)
        EXPECT_TRUE(search.onFrame(veryDark, 50, KnifeRight, v).moves.isEmpty());
    SearchStep step = search.onFrame(veryDark, 50, KnifeRight, v);
    EXPECT_EQ(step.moves, (QList<AxisMove>{{Axis::Knife, 1, v.LRSmMove, 2}}));
    EXPECT_TRUE(search.cutOut());

    step = runUntilAction(search, veryBright, 50, KnifeRight, v);
    EXPECT_EQ(step.moves, (QList<AxisMove>{{Axis::Knife, -1, v.LRSmMove, 2}}));
    step = runUntilAction(search, veryDark, 50, KnifeRight, v);
    EXPECT_EQ(step.moves, (QList<AxisMove>{{Axis::Knife, 1, v.LRSmMove, 2}}));
}

TEST(NullSearchKnife, LeftKnifeJudgesTheRightWindowAndMovesTheOtherWay) {
    const AutoTestVariables v = testkit::defaultSearchVariables();
    NullSearch search;
    search.start(1, v);
    const int tooBright = v.Max + v.LRDelta + 1;
    // The left window is out of range but does not count with the knife on the left.
    for (int f = 1; f <= v.LRMinFrames; ++f)
        search.onFrame(5, tooBright, KnifeLeft, v);
    SearchStep step = search.onFrame(5, tooBright, KnifeLeft, v);
    EXPECT_EQ(step.moves, (QList<AxisMove>{{Axis::Knife, 1, v.LRLgMove, 2}}));
    EXPECT_EQ(search.frame(), 2);

    search.start(1, v);
    step = runUntilAction(search, 250, v.Min - v.LRDelta - 1, KnifeLeft, v);
    EXPECT_EQ(step.moves, (QList<AxisMove>{{Axis::Knife, -1, v.LRLgMove, 2}}));
    EXPECT_TRUE(search.cutOut());
}

TEST(NullSearchKnife, BothLimitsCrossedInOnePassSecondMoveIsSmall) {
    // A settings file may hold Min above Max; the same value then trips both checks.
    AutoTestVariables v = testkit::defaultSearchVariables();
    v.Max = 40;
    v.Min = 90;
    NullSearch search;
    search.start(1, v);
    // Far beyond both limits, but the cut-in of the first check makes the second one small.
    const SearchStep step = runUntilAction(search, 60, 60, KnifeRight, v);
    EXPECT_EQ(step.moves,
              (QList<AxisMove>{{Axis::Knife, -1, v.LRLgMove, 2}, {Axis::Knife, 1, v.LRSmMove, 2}}));
    EXPECT_EQ(search.frame(), 2);
}

TEST(NullSearchPlatform, ForwardWhileTheKnifeSideIsNotBrighterByTheDelta) {
    const AutoTestVariables v = testkit::defaultSearchVariables();
    NullSearch search;
    search.start(4, v);
    for (int f = 1; f <= v.TFRoughFrames; ++f)
        EXPECT_TRUE(search.onFrame(60, 50, KnifeRight, v).moves.isEmpty()) << f;
    const SearchStep step = search.onFrame(60, 50, KnifeRight, v);
    EXPECT_EQ(step.moves, (QList<AxisMove>{{Axis::Platform, 1, v.TFOblateMove, 3}}));
    EXPECT_EQ(
        step.message,
        QStringLiteral("Zone 4 Is Closer to mirror, moving forward 0.01\" LZV =60 RZV = 50\r\n"));
    EXPECT_FALSE(search.foundOblate());
    EXPECT_EQ(search.frame(), 2);
}

TEST(NullSearchPlatform, ForwardMessageNamesTheLeftValueFirstWithTheKnifeOnTheLeft) {
    const AutoTestVariables v = testkit::defaultSearchVariables();
    NullSearch search;
    search.start(2, v);
    const SearchStep step = runUntilAction(search, 58, 45, KnifeLeft, v);
    EXPECT_EQ(
        step.message,
        QStringLiteral("Zone 2 Is Closer to mirror, moving forward 0.01\" LZV =58 RZV = 45\r\n"));
    EXPECT_EQ(step.moves.first().phase, NullSearch::TowardsMirror);
}

TEST(NullSearchPlatform, ExactlyFwdDeltaBrighterEndsTheForwardPhase) {
    const AutoTestVariables v = testkit::defaultSearchVariables();
    NullSearch search;
    search.start(1, v);
    for (int f = 1; f <= v.TFRoughFrames; ++f)
        search.onFrame(60, 45, KnifeRight, v);
    const SearchStep step = search.onFrame(60, 45, KnifeRight, v);
    EXPECT_TRUE(step.moves.isEmpty());
    EXPECT_TRUE(step.message.isEmpty());
    EXPECT_TRUE(search.foundOblate());
    EXPECT_EQ(search.frame(), v.TFRoughFrames + 2);
}

TEST(NullSearchPlatform, BacksOffWhenTheKnifeSideIsBrighterThanAwayDeltaAndClearsTheCuts) {
    const AutoTestVariables v = testkit::defaultSearchVariables();
    NullSearch search;
    search.start(1, v);
    // Bright enough to be cut in by the small move first, then backed off.
    EXPECT_EQ(runUntilAction(search, 200, 5, KnifeRight, v).moves.first().count, v.LRLgMove);
    EXPECT_TRUE(search.cutIn());
    const SearchStep step = runUntilAction(search, 65, 44, KnifeRight, v);
    EXPECT_EQ(step.moves, (QList<AxisMove>{{Axis::Platform, -1, v.TFRoughMove, 3}}));
    EXPECT_TRUE(search.foundOblate());
    EXPECT_FALSE(search.cutIn());
    EXPECT_FALSE(search.cutOut());
    EXPECT_EQ(search.frame(), 2);
    // With the cut cleared, a very dark zone gets the large move out again.
    EXPECT_EQ(runUntilAction(search, 5, 5, KnifeRight, v).moves.first().count, v.LRLgMove);
    // Exactly Away Delta brighter stays put.
    search.start(1, v);
    finishForwardPhase(search, v);
    for (int f = search.frame(); f < v.TFFinalFrames; ++f)
        EXPECT_TRUE(search.onFrame(60, 40, KnifeRight, v).moves.isEmpty()) << f;
}

TEST(NullSearchPlatform, KnifeMoveInThePassKeepsThePlatformStill) {
    AutoTestVariables v = testkit::defaultSearchVariables();
    NullSearch search;
    search.start(1, v);
    while (search.frame() <= v.TFRoughFrames)
        search.onFrame(60, 60, KnifeRight, v);
    // Too bright and not brighter by the delta: the knife restarts the count first.
    const SearchStep step = search.onFrame(75, 70, KnifeRight, v);
    EXPECT_EQ(step.moves, (QList<AxisMove>{{Axis::Knife, -1, v.LRSmMove, 2}}));
    // Unless the rough frames are 0: then the same pass also moves forward.
    v.TFRoughFrames = 0;
    v.LRMinFrames = 0;
    search.start(1, v);
    const SearchStep both = search.onFrame(75, 70, KnifeRight, v);
    EXPECT_EQ(both.moves, (QList<AxisMove>{{Axis::Knife, -1, v.LRSmMove, 2},
                                           {Axis::Platform, 1, v.TFOblateMove, 3}}));
    EXPECT_FALSE(search.cutIn());
    EXPECT_EQ(search.frame(), 2);
}

TEST(NullSearchFinal, EqualWindowsOnTheFinalFrameAreTheNull) {
    const AutoTestVariables v = testkit::defaultSearchVariables();
    NullSearch search;
    search.start(1, v);
    finishForwardPhase(search, v);
    while (search.frame() < v.TFFinalFrames) {
        const SearchStep step = search.onFrame(55, 55, KnifeRight, v);
        EXPECT_FALSE(step.nullFound);
        EXPECT_FALSE(step.zoneEnded);
    }
    const SearchStep step = search.onFrame(55, 55, KnifeRight, v);
    EXPECT_TRUE(step.nullFound);
    EXPECT_TRUE(step.zoneEnded);
    EXPECT_TRUE(step.moves.isEmpty());
    EXPECT_TRUE(search.finished());
}

TEST(NullSearchFinal, KnifeSideBrighterOnTheFinalFrameBacksOffAndStartsOver) {
    const AutoTestVariables v = testkit::defaultSearchVariables();
    NullSearch search;
    search.start(1, v);
    finishForwardPhase(search, v);
    while (search.frame() < v.TFFinalFrames)
        search.onFrame(56, 55, KnifeRight, v);
    SearchStep step = search.onFrame(56, 55, KnifeRight, v);
    EXPECT_EQ(step.moves, (QList<AxisMove>{{Axis::Platform, -1, v.TFFinalMoves, 3}}));
    EXPECT_FALSE(step.nullFound);
    EXPECT_FALSE(step.zoneEnded);
    EXPECT_EQ(search.frame(), 2);
    // The forward phase stays over; the next final frame judges again, darker knife side wins.
    step = runUntilAction(search, 50, 55, KnifeRight, v);
    EXPECT_TRUE(step.nullFound);
    EXPECT_EQ(search.frame(), v.TFFinalFrames + 1);
}

TEST(NullSearchFinal, FinalFramesNotBeyondRoughFramesNeverFindANull) {
    for (const int finalFrames : {1, 10, 15}) {
        AutoTestVariables v = testkit::defaultSearchVariables();
        v.TFFinalFrames = finalFrames;
        NullSearch search;
        search.start(1, v);
        int frames = 0;
        SearchStep step;
        do {
            step = search.onFrame(55, 55, KnifeRight, v);
            ++frames;
            EXPECT_FALSE(step.nullFound) << finalFrames;
        } while (!step.zoneEnded);
        EXPECT_EQ(frames, finalFrames);
        EXPECT_FALSE(search.foundOblate());
    }
}

TEST(NullSearchFinal, NoFramesAtAllWhenTheFinalCountIsBelowOne) {
    AutoTestVariables v = testkit::defaultSearchVariables();
    v.TFFinalFrames = 0;
    NullSearch search;
    search.start(1, v);
    EXPECT_TRUE(search.finished());
    v.TFFinalFrames = 1;
    search.start(1, v);
    EXPECT_FALSE(search.finished());
}

TEST(NullSearchFinal, TheFrameBoundIsTakenAtZoneStartTheJudgementReadsTheVariable) {
    AutoTestVariables v = testkit::defaultSearchVariables();
    v.TFFinalFrames = 20;
    NullSearch search;
    search.start(1, v);
    v.TFFinalFrames = 18; // changed in the dialog while the zone runs
    finishForwardPhase(search, v);
    SearchStep step;
    while (search.frame() < 18)
        search.onFrame(55, 55, KnifeRight, v);
    step = search.onFrame(55, 55, KnifeRight, v);
    EXPECT_TRUE(step.nullFound);
    EXPECT_FALSE(step.zoneEnded);
    step = search.onFrame(55, 55, KnifeRight, v);
    step = search.onFrame(55, 55, KnifeRight, v);
    EXPECT_FALSE(step.nullFound);
    EXPECT_TRUE(step.zoneEnded);
}

TEST(NullSearchFinal, AveragingStopsAtTheHistoryWhileTheCountGoesOn) {
    AutoTestVariables v = testkit::defaultSearchVariables();
    v.TFFinalFrames = 45;
    NullSearch search;
    search.start(1, v);
    finishForwardPhase(search, v);
    while (search.frame() < 45) {
        EXPECT_EQ(search.framesToAverage(), std::min(search.frame(), NullSearch::HistoryDepth));
        EXPECT_FALSE(search.onFrame(55, 55, KnifeRight, v).nullFound);
    }
    EXPECT_EQ(search.framesToAverage(), 30);
    EXPECT_TRUE(search.onFrame(55, 55, KnifeRight, v).nullFound);
}

TEST(NullSearchFinal, StartClearsTheFlagsOfThePreviousZone) {
    const AutoTestVariables v = testkit::defaultSearchVariables();
    NullSearch search;
    search.start(1, v);
    runUntilAction(search, 200, 50, KnifeRight, v);
    runUntilAction(search, 5, 50, KnifeRight, v);
    finishForwardPhase(search, v);
    ASSERT_TRUE(search.cutIn() && search.cutOut() && search.foundOblate());
    search.start(2, v);
    EXPECT_FALSE(search.cutIn());
    EXPECT_FALSE(search.cutOut());
    EXPECT_FALSE(search.foundOblate());
    EXPECT_EQ(search.frame(), 1);
}
