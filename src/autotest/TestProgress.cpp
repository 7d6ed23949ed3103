#include "autotest/TestProgress.h"

#include <algorithm>

namespace orvane {

namespace {

constexpr qint64 NsPerSecond = 1'000'000'000;

QString minutesAndSeconds(qint64 ns) {
    const qint64 secs = std::max<qint64>(0, ns / NsPerSecond);
    return QStringLiteral("%1:%2").arg(secs / 60).arg(secs % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

QString progressLine(const TestProgress& p) {
    QString line = QStringLiteral("Set %1 of %2, zone %3 of %4, %5 elapsed")
                       .arg(p.set)
                       .arg(p.sets)
                       .arg(p.zone)
                       .arg(p.zones)
                       .arg(minutesAndSeconds(p.elapsedNs));
    const qint64 total = qint64(p.sets) * p.zones;
    const qint64 done = std::clamp<qint64>(qint64(p.set - 1) * p.zones + p.zone - 1, 0, total);
    if (done > 0)
        line += QStringLiteral(", about %1 left")
                    .arg(minutesAndSeconds(p.elapsedNs / done * (total - done)));
    return line;
}

QString testSummaryLine(int frames, int zoneSearches, qint64 elapsedNs) {
    const double perSearch = zoneSearches > 0 ? double(frames) / zoneSearches : 0.0;
    return QStringLiteral("Frames per zone search: %1 (%2 frames, %3 searches); test time %4")
        .arg(perSearch, 0, 'f', 1)
        .arg(frames)
        .arg(zoneSearches)
        .arg(minutesAndSeconds(elapsedNs));
}

} // namespace orvane
