#include "autotest/NullSearch.h"

#include "core/NumberText.h"

namespace orvane {

void NullSearch::start(int zone, const AutoTestVariables& vars) {
    zone_ = zone;
    frame_ = 1;
    lastFrame_ = vars.TFFinalFrames;
    knife_.clear();
    foundOblate_ = false;
}

SearchStep NullSearch::onFrame(int lzv, int rzv, bool knifeRight, const AutoTestVariables& vars) {
    SearchStep step;
    const int k = knifeRight ? lzv : rzv;
    const int o = knifeRight ? rzv : lzv;

    if (frame_ > vars.LRMinFrames && knife_.adjust(k, knifeRight, vars, step))
        restartAverage();

    if (frame_ > vars.TFRoughFrames && !foundOblate_) {
        if (k - vars.TFOblatedelta < o) {
            step.message = forwardMessage(lzv, rzv);
            step.why << QStringLiteral("K - TFOblatedelta < O: not yet oblate, forward");
            movePlatform(TowardsMirror, vars.TFOblateMove, step);
        } else {
            step.why << QStringLiteral("K - TFOblatedelta >= O: oblate found");
            foundOblate_ = true;
        }
    }

    if (frame_ > vars.TFRoughFrames && foundOblate_ && k - vars.TFRoughDelta > o) {
        step.why << QStringLiteral("K - TFRoughDelta > O: rough move back");
        movePlatform(AwayFromMirror, vars.TFRoughMove, step);
    }

    if (frame_ == vars.TFFinalFrames && foundOblate_) {
        if (k > o) {
            step.why << QStringLiteral("final frame, K > O: final move back");
            movePlatform(AwayFromMirror, vars.TFFinalMoves, step);
        } else {
            step.why << QStringLiteral("final frame, K <= O: null");
            step.nullFound = true;
        }
    }

    ++frame_;
    step.zoneEnded = finished();
    return step;
}

void NullSearch::movePlatform(int phase, int count, SearchStep& step) {
    step.moves.append({Axis::Platform, phase, count, PlatformWait});
    restartAverage();
    knife_.clear();
}

QString NullSearch::forwardMessage(int lzv, int rzv) const {
    // Always 0.01 inch and left value first, whatever the move and the knife side.
    return QStringLiteral("Zone ") + numberText(zone_) +
           QStringLiteral(" Is Closer to mirror, moving forward 0.01\" LZV =") + numberText(lzv) +
           QStringLiteral(" RZV = ") + numberText(rzv) + QStringLiteral("\r\n");
}

} // namespace orvane
