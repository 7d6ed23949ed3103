#include "autotest/SearchStep.h"

#include <QDebug>

namespace orvane {

QDebug operator<<(QDebug debug, const SearchStep& step) {
    const QDebugStateSaver saver(debug);
    debug.nospace().noquote() << (step.why.isEmpty() ? QStringLiteral("averaging")
                                                     : step.why.join(QStringLiteral("; ")));
    for (const AxisMove& move : step.moves)
        debug << QString::asprintf(" | %s %+d x%d", move.axis == Axis::Knife ? "knife" : "platform",
                                   move.phase, move.count);
    if (step.fitted)
        debug << QString::asprintf(" | null %+.3f +- %.3f half-steps", step.fitted->offset,
                                   step.fitted->error);
    if (step.zoneEnded)
        debug << " | zone ended";
    return debug;
}

} // namespace orvane
