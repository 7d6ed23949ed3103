#include "app/cli/RefusingAutomation.h"

namespace orvane {

namespace {
const QString Title = QStringLiteral("Headless Run");
}

bool RefusingAutomation::start(const QString& program, const QString&) {
    boxes_.show({Title,
                 QStringLiteral("%1 was not started: a run without a window starts no outside "
                                "programs.")
                     .arg(program),
                 MessageIcon::Information});
    return false;
}

bool RefusingAutomation::send(const QString& keys, bool) {
    boxes_.show({Title,
                 QStringLiteral("The keys %1 were not typed: a run without a window types no "
                                "keys into other programs.")
                     .arg(keys),
                 MessageIcon::Information});
    return false;
}

} // namespace orvane
