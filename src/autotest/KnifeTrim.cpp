#include "autotest/KnifeTrim.h"

namespace orvane {

bool KnifeTrim::adjust(int k, bool knifeRight, const AutoTestVariables& vars, SearchStep& step) {
    const int intoBeam = knifeRight ? -1 : 1;
    bool moved = false;
    if (k > vars.Max) {
        const bool large = k > vars.Max + vars.LRDelta && !cutOut_;
        step.why << (large ? QStringLiteral("K > Max + LRDelta: large cut in")
                           : QStringLiteral("K > Max: small cut in"));
        step.moves.append(
            {Axis::Knife, intoBeam, large ? vars.LRLgMove : vars.LRSmMove, KnifeWait});
        cutIn_ = true;
        moved = true;
    }
    if (k < vars.Min) {
        const bool large = k < vars.Min - vars.LRDelta && !cutIn_;
        step.why << (large ? QStringLiteral("K < Min - LRDelta: large cut out")
                           : QStringLiteral("K < Min: small cut out"));
        step.moves.append(
            {Axis::Knife, -intoBeam, large ? vars.LRLgMove : vars.LRSmMove, KnifeWait});
        cutOut_ = true;
        moved = true;
    }
    return moved;
}

} // namespace orvane
