#include "app/cli/ReadingsReport.h"

#include "analysis/ZoneGeometry.h"
#include "core/NumberText.h"

#include <QStringList>
#include <algorithm>

namespace orvane {

namespace {
constexpr int ColumnWidth = 10;
constexpr int Decimals = 4;

QString row(const QStringList& cells) {
    QString line;
    for (const QString& cell : cells)
        line += cell.leftJustified(ColumnWidth);
    return line.trimmed() + QLatin1Char('\n');
}
} // namespace

double meanReading(const ZoneReadings& readings, int zone, int sets) {
    double sum = 0;
    for (int set = 0; set < sets; ++set)
        sum += readings.at(zone, set);
    return sets > 0 ? sum / sets : 0.0;
}

QString readingsReport(const MirrorData& mirror, const ZoneTable& zones,
                       const ZoneReadings& readings, int sets, int PerfectFactor) {
    sets = std::clamp(sets, 1, MaxSets);
    QStringList header{QStringLiteral("Zone"), QStringLiteral("Radius")};
    for (int set = 1; set <= sets; ++set)
        header << QStringLiteral("Set %1").arg(set);
    header << QStringLiteral("Perf#") << QStringLiteral("Diff");
    QString text = row(header);

    const int zoneCount = std::clamp(mirror.NZ, 0, MaxZones);
    for (int zone = 1; zone <= zoneCount; ++zone) {
        QStringList cells{numberText(zone), numberText(roundHalfEven(
                                                mirror.MirDiam / 2 * zones.centerFrac[zone], 3))};
        for (int set = 0; set < sets; ++set)
            cells << numberText(readings.at(zone, set));
        const double perfect =
            perfectNumber(zones, zone, mirror.MirDiam, mirror.Roc, PerfectFactor);
        cells << numberText(perfect)
              << numberText(roundHalfEven(meanReading(readings, zone, sets) - perfect, Decimals));
        text += row(cells);
    }
    return text;
}

QString precisionReport(const MirrorData& mirror, const ZoneReadings& readings,
                        const ZoneReadings& errors, int sets, bool metric) {
    const int decimals = metric ? 3 : 4;
    QString text;
    for (int zone = 1; zone <= std::clamp(mirror.NZ, 0, MaxZones); ++zone) {
        QStringList cells{QStringLiteral("Zone %1").arg(zone)};
        for (int set = 0; set < std::clamp(sets, 1, MaxSets); ++set)
            cells << QStringLiteral("%1 +- %2")
                         .arg(readings.at(zone, set), 0, 'f', decimals)
                         .arg(errors.at(zone, set), 0, 'f', decimals + 1);
        text += cells.join(QStringLiteral("   ")) + QLatin1Char('\n');
    }
    return text;
}

} // namespace orvane
