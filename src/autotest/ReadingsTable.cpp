#include "autotest/ReadingsTable.h"

#include "core/NumberText.h"
#include "core/TextFile.h"

namespace orvane {

QString readingsTableText(const ZoneReadings& readings, int zones, int lastSet,
                          const QString& previousText) {
    QString text;
    for (int z = 1; z <= zones; ++z) {
        text += QStringLiteral("Zone ") + numberText(z);
        for (int r = 0; r <= lastSet; ++r)
            text += QLatin1Char('\t') + numberText(readings.at(z, r));
        text += QLatin1String(CrLf);
    }
    return text + QLatin1String(CrLf) + previousText;
}

} // namespace orvane
