#include "core/SimulatedBenchUse.h"

#include <QFileInfo>

namespace orvane {

namespace {
const QString ReportLinePrefix = QStringLiteral("Simulated bench: ");
const QString ReportLineSuffix = QStringLiteral(" (not a real mirror)");

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

QString simulatedBenchReportLine(const SimulatedBenchUse& use) {
    if (!use.active())
        return {};
    return ReportLinePrefix + benchName(use) + ReportLineSuffix;
}

bool isSimulatedBenchReportLine(const QString& line) {
    return line.startsWith(ReportLinePrefix) && line.endsWith(ReportLineSuffix);
}

} // namespace orvane
