#include "autotest/PrecisionSearch.h"

#include "autotest/NullSearch.h"
#include "core/NumberText.h"

#include <algorithm>
#include <cmath>

namespace orvane {

void PrecisionSearch::start(const AutoTestVariables& vars, const PrecisionOptions& options,
                            double stepSize) {
    options_ = options;
    stepSize_ = stepSize;
    // The usual search's final move is its resolution: the close points stand from half of it
    // to four times it off the null.
    minReach_ = std::max(1, vars.TFFinalMoves / 2);
    maxReach_ = std::max(minReach_, 4 * vars.TFFinalMoves);
    reach_ = minReach_;
    longest_ = std::max(maxReach_, 4 * vars.TFOblateMove);
    // Whole half-steps covering the distance; the tolerance keeps an exact multiple from
    // rounding up past itself.
    takeUp_ = std::max(vars.TFFinalMoves,
                       stepSize > 0 ? int(std::ceil(options.takeUp / stepSize - 1e-9)) : 0);
    position_ = 0;
    settle_ = 0;
    pointsTaken_ = 0;
    frames_ = 0;
    current_ = {};
    knifeSum_ = 0;
    points_.clear();
    knife_.clear();
}

SearchStep PrecisionSearch::onFrame(double lzv, double rzv, bool knifeRight,
                                    const AutoTestVariables& vars) {
    SearchStep step;
    // A knife that never settles (moves too small to bring the zone into its band) takes
    // frames without points.
    if (++frames_ > MaxFrames) {
        endZone(step, "no null within the frames allowed");
        return step;
    }
    if (settle_ > 0) {
        --settle_;
        step.why << QStringLiteral("settling after a move");
        return step;
    }
    const double k = knifeRight ? lzv : rzv;
    const double o = knifeRight ? rzv : lzv;
    current_.add(k - o);
    knifeSum_ += k;
    if (current_.frames > vars.LRMinFrames &&
        knife_.adjust(int(knifeSum_ / current_.frames), knifeRight, vars, step)) {
        // While both windows are on the knife's ramp the balance does not depend on where the
        // knife stands, so only the frames at this position are dropped.
        current_ = {};
        knifeSum_ = 0;
        return step;
    }
    if (current_.frames < framesPerPoint(vars))
        return step;
    current_.position = position_;
    points_.append(current_);
    ++pointsTaken_;
    step.why << QStringLiteral("balance %1 at %2")
                    .arg(numberText(roundHalfEven(current_.mean(), 2)))
                    .arg(position_);
    current_ = {};
    knifeSum_ = 0;
    decide(step);
    return step;
}

void PrecisionSearch::decide(SearchStep& step) {
    if (pointsTaken_ >= MaxPoints) {
        endZone(step, "no null within the points allowed");
        return;
    }
    if (!bracketed()) {
        // A balance that never changes sign is no zone to null (a wrong knife side, a dark
        // mirror): the walk stops before the platform runs away.
        const int target = walkTarget();
        if (std::abs(target) > MaxWalks * longest_)
            endZone(step, "no null within the walk allowed");
        else
            moveTo(target, step);
        return;
    }
    // Between the two points that straddle zero first, then on the line through the points
    // close to it.
    QList<BalancePoint> sorted = points_;
    std::sort(sorted.begin(), sorted.end(),
              [](const BalancePoint& a, const BalancePoint& b) { return a.position < b.position; });
    double zero = sorted.first().position;
    for (int i = 1; i < sorted.size(); ++i) {
        const BalancePoint &a = sorted[i - 1], &b = sorted[i];
        if ((a.mean() > 0) != (b.mean() > 0) && a.position != b.position) {
            zero = a.position - a.mean() * (b.position - a.position) / (b.mean() - a.mean());
            break;
        }
    }
    // The points close to it, on both sides, far enough out that their balances stand clear of
    // the noise: where the straddling line says the balance is a few grey levels.
    std::optional<NullEstimate> fit;
    QList<BalancePoint> close;
    for (int pass = 0; pass < 2; ++pass) {
        close = closePoints(zero);
        if (const auto again = fitNull(close)) {
            fit = again;
            zero = again->position;
            reach_ = std::clamp(int(std::lround(ClearBalance / std::abs(again->slope))), minReach_,
                                maxReach_);
        }
    }
    const bool enough = pointsOnSide(close, zero, -1) >= MinPointsSide &&
                        pointsOnSide(close, zero, 1) >= MinPointsSide;
    if (fit && enough && fit->error * stepSize_ <= options_.limit) {
        const int nearest = int(std::lround(zero));
        step.why << QStringLiteral("null fitted at %1 +- %2 half-steps")
                        .arg(numberText(roundHalfEven(zero, 3)),
                             numberText(roundHalfEven(fit->error, 3)));
        moveTo(nearest, step);
        step.fitted = FittedNull{zero - nearest, fit->error};
        step.nullFound = true;
        step.zoneEnded = true;
        return;
    }
    // The side whose points weigh less next, so the points' centre stays on the null.
    double weight = 0;
    for (const BalancePoint& p : close)
        weight += p.frames * (p.position - zero);
    const int side = weight > 0 ? -1 : 1;
    moveTo(int(std::lround(zero)) + side * reach_, step);
}

bool PrecisionSearch::bracketed() const {
    const auto positive = [](const BalancePoint& p) { return p.mean() > 0; };
    return std::any_of(points_.begin(), points_.end(), positive) &&
           !std::all_of(points_.begin(), points_.end(), positive);
}

QList<BalancePoint> PrecisionSearch::closePoints(double around) const {
    QList<BalancePoint> close;
    for (const BalancePoint& p : points_)
        if (std::abs(p.position - around) <= FitReaches * reach_)
            close.append(p);
    return close;
}

int PrecisionSearch::pointsOnSide(const QList<BalancePoint>& points, double zero, int side) const {
    return int(std::count_if(points.begin(), points.end(), [&](const BalancePoint& p) {
        return (p.position - zero) * side > 0;
    }));
}

// Towards zero balance: a first short step, then where the last two points' line meets zero
// (a little beyond, to straddle it), never further than the longest walk.
int PrecisionSearch::walkTarget() const {
    const BalancePoint& last = points_.last();
    // The balance falls as the platform moves away from the mirror.
    const int direction = last.mean() > 0 ? 1 : -1;
    int distance = maxReach_;
    if (points_.size() >= 2) {
        const BalancePoint& before = points_[points_.size() - 2];
        const double slope =
            (last.mean() - before.mean()) / (last.position - before.position + 1e-9);
        const double ahead = -last.mean() / slope;
        distance =
            ahead * direction > 0 ? int(std::lround(std::abs(ahead) * 1.25)) + minReach_ : longest_;
    }
    return int(last.position) + direction * std::clamp(distance, minReach_, longest_);
}

void PrecisionSearch::moveTo(int target, SearchStep& step) {
    const int delta = target - position_;
    if (delta > 0) {
        step.moves.append(
            {Axis::Platform, NullSearch::AwayFromMirror, delta, NullSearch::PlatformWait});
    } else if (delta < 0) {
        // Every position is reached moving away from the mirror, so backlash is always taken up
        // the same way.
        step.moves.append({Axis::Platform, NullSearch::TowardsMirror, -delta + takeUp_,
                           NullSearch::PlatformWait});
        if (takeUp_ > 0)
            step.moves.append(
                {Axis::Platform, NullSearch::AwayFromMirror, takeUp_, NullSearch::PlatformWait});
    }
    position_ = target;
    if (delta != 0) {
        settle_ = SettleFrames;
        knife_.clear();
    }
}

void PrecisionSearch::endZone(SearchStep& step, const char* why) {
    step.why << QLatin1String(why);
    step.zoneEnded = true;
}

} // namespace orvane
