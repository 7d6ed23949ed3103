#include "autotest/NullSearch.h"

#include "core/NumberText.h"

#include <QDebug>

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

void NullSearch::adjustKnife(int k, bool knifeRight, const AutoTestVariables& vars,
                             SearchStep& step) {
    const int intoBeam = knifeRight ? -1 : 1;
    // After a correction one way, the way back only takes small moves until the platform moves.
    if (k > vars.Max) {
        const bool large = k > vars.Max + vars.LRDelta && !cutOut_;
        step.why << (large ? QStringLiteral("K > Max + LRDelta: large cut in")
                           : QStringLiteral("K > Max: small cut in"));
        step.moves.append(
            {Axis::Knife, intoBeam, large ? vars.LRLgMove : vars.LRSmMove, KnifeWait});
        cutIn_ = true;
        restartAverage();
    }
    if (k < vars.Min) {
        const bool large = k < vars.Min - vars.LRDelta && !cutIn_;
        step.why << (large ? QStringLiteral("K < Min - LRDelta: large cut out")
                           : QStringLiteral("K < Min: small cut out"));
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

QDebug operator<<(QDebug debug, const SearchStep& step) {
    const QDebugStateSaver saver(debug);
    debug.nospace().noquote() << (step.why.isEmpty() ? QStringLiteral("averaging")
                                                     : step.why.join(QStringLiteral("; ")));
    for (const AxisMove& move : step.moves)
        debug << QString::asprintf(" | %s %+d x%d", move.axis == Axis::Knife ? "knife" : "platform",
                                   move.phase, move.count);
    if (step.zoneEnded)
        debug << " | zone ended";
    return debug;
}

} // namespace orvane
