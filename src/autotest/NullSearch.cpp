#include "autotest/NullSearch.h"

#include "core/NumberText.h"

namespace orvane {

void NullSearch::start(int zone, const AutoTestVariables& vars) {
    zone_ = zone;
    frame_ = 1;
    lastFrame_ = vars.TFFinalFrames;
    cutIn_ = false;
    cutOut_ = false;
    foundOblate_ = false;
}

SearchStep NullSearch::onFrame(int lzv, int rzv, bool knifeRight, const AutoTestVariables& vars) {
    SearchStep step;
    const int k = knifeRight ? lzv : rzv;
    const int o = knifeRight ? rzv : lzv;

    if (frame_ > vars.LRMinFrames)
        adjustKnife(k, knifeRight, vars, step);

    if (frame_ > vars.TFRoughFrames && !foundOblate_) {
        if (k - vars.TFOblatedelta < o) {
            step.message = forwardMessage(lzv, rzv);
            movePlatform(TowardsMirror, vars.TFOblateMove, step);
        } else {
            foundOblate_ = true;
        }
    }

    if (frame_ > vars.TFRoughFrames && foundOblate_ && k - vars.TFRoughDelta > o)
        movePlatform(AwayFromMirror, vars.TFRoughMove, step);

    if (frame_ == vars.TFFinalFrames && foundOblate_) {
        if (k > o)
            movePlatform(AwayFromMirror, vars.TFFinalMoves, step);
        else
            step.nullFound = true;
    }

    ++frame_;
    step.zoneEnded = finished();
    return step;
}

void NullSearch::adjustKnife(int k, bool knifeRight, const AutoTestVariables& vars,
                             SearchStep& step) {
    const int intoBeam = knifeRight ? -1 : 1;
    // After a correction one way, the way back only takes small moves until the platform moves.
    if (k > vars.Max) {
        const bool large = k > vars.Max + vars.LRDelta && !cutOut_;
        step.moves.append(
            {Axis::Knife, intoBeam, large ? vars.LRLgMove : vars.LRSmMove, KnifeWait});
        cutIn_ = true;
        restartAverage();
    }
    if (k < vars.Min) {
        const bool large = k < vars.Min - vars.LRDelta && !cutIn_;
        step.moves.append(
            {Axis::Knife, -intoBeam, large ? vars.LRLgMove : vars.LRSmMove, KnifeWait});
        cutOut_ = true;
        restartAverage();
    }
}

void NullSearch::movePlatform(int phase, int count, SearchStep& step) {
    step.moves.append({Axis::Platform, phase, count, PlatformWait});
    restartAverage();
    cutIn_ = false;
    cutOut_ = false;
}

QString NullSearch::forwardMessage(int lzv, int rzv) const {
    // Always 0.01 inch and left value first, whatever the move and the knife side.
    return QStringLiteral("Zone ") + numberText(zone_) +
           QStringLiteral(" Is Closer to mirror, moving forward 0.01\" LZV =") + numberText(lzv) +
           QStringLiteral(" RZV = ") + numberText(rzv) + QStringLiteral("\r\n");
}

} // namespace orvane
