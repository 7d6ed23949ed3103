#pragma once

#include "autotest/KnifeTrim.h"
#include "autotest/NullFit.h"
#include "autotest/SearchStep.h"
#include "core/Settings.h"

#include <algorithm>

namespace orvane {

// What steers the precision search besides the auto-test variables.
struct PrecisionOptions {
    bool on = false;
    double limit = 0.00004; // inches: the fitted null's standard error that ends a zone
    // Inches: a position on the mirror's side of the last is reached by going past it and
    // coming back this far, more than the platform's backlash, so that every position is
    // reached with the screw's play taken up the same way.
    double takeUp = 0.005;
};

// The precision null search, one call per measured frame: the balance (knife side less the
// other side, one frame each) is averaged at each platform position; the platform walks towards
// zero balance until two positions bracket it, then measures a few close positions on both
// sides, and the null is the zero of the straight line fitted through them. The zone ends when
// that zero's standard error is below the limit; the platform then stands at the nearest
// half-step, the fit telling how far the null lies from it. The knife is kept in the zone's
// brightness band as in the usual search.
class PrecisionSearch {
  public:
    static constexpr int SettleFrames = 1;    // dropped after a move: the camera may lag it
    static constexpr int PointFrames = 5;     // averaged at each position while walking
    static constexpr int MaxPoints = 150;     // a zone with no null in this many ends without one
    static constexpr int MaxWalks = 8;        // nor with none within this many longest walks
    static constexpr int MaxFrames = 3000;    // nor in this many frames
    static constexpr int MinPointsSide = 2;   // before the error may end the zone
    static constexpr double ClearBalance = 4; // grey levels the close points stand off zero
    static constexpr double FitReaches = 2.5; // the line is fitted this many reaches each way

    void start(const AutoTestVariables& vars, const PrecisionOptions& options, double stepSize);
    // The zone's window means on one frame, unrounded.
    SearchStep onFrame(double lzv, double rzv, bool knifeRight, const AutoTestVariables& vars);

    // Frames averaged at each position. The search reads each frame's own means; the zone
    // values shown meanwhile average this many, so the caption tells what a point weighs.
    static int framesPerPoint(const AutoTestVariables& vars) {
        return std::max(PointFrames, vars.LRMinFrames + 1);
    }

  private:
    void decide(SearchStep& step);
    bool bracketed() const;
    QList<BalancePoint> closePoints(double around) const;
    int pointsOnSide(const QList<BalancePoint>& points, double zero, int side) const;
    int walkTarget() const;
    void moveTo(int target, SearchStep& step);
    void endZone(SearchStep& step, const char* why);

    PrecisionOptions options_;
    double stepSize_ = 0;
    // How far the close points stand from the null, in half-steps: within these bounds, where
    // the balance stands clear of the noise.
    int reach_ = 1;
    int minReach_ = 1;
    int maxReach_ = 1;
    int longest_ = 1;  // the longest walk towards the null
    int takeUp_ = 0;   // backlash taken up by arriving away from the mirror
    int position_ = 0; // half-steps from where the zone started, positive away from the mirror
    int settle_ = 0;
    int pointsTaken_ = 0;
    int frames_ = 0;
    BalancePoint current_;
    double knifeSum_ = 0;
    QList<BalancePoint> points_;
    KnifeTrim knife_;
};

} // namespace orvane
