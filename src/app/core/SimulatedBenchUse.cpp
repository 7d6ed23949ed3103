#include "app/core/SimulatedBenchUse.h"

#include <QFileInfo>

namespace orvane {

namespace {
QString benchName(const SimulatedBenchUse& use) {
    return use.benchFile.isEmpty() ? QStringLiteral("built-in")
                                   : QFileInfo(use.benchFile).fileName();
}
} // namespace

QString simulatedBenchText(const SimulatedBenchUse& use) {
    if (!use.active())
        return {};
    return QStringLiteral("Simulated bench (%1)").arg(benchName(use));
}

QString titleWithSimulatedBench(const QString& title, const SimulatedBenchUse& use) {
    if (!use.active())
        return title;
    return title + QStringLiteral(" \u2014 ") + simulatedBenchText(use);
}

} // namespace orvane
