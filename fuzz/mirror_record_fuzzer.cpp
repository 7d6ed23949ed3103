// A mirror record: any bytes as mirrors/Fuzz.ini. A record the program accepts gives a finite
// zone table, perfect numbers and window columns, and reads back the same once written.
#include "FuzzInput.h"
#include "analysis/ZoneGeometry.h"
#include "core/TextFile.h"
#include "results/MirrorRecord.h"

#include <cmath>

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::startQt();
    const QString folder = fuzz::scratchFolder() + QStringLiteral("/program");
    const QString path = fuzz::writeInput(folder + QStringLiteral("/mirrors"),
                                          QStringLiteral("Fuzz.ini"), data, size);
    MirrorData mirror;
    if (!readMirrorRecord(path, mirror).loaded)
        return 0;
    fuzz::require(mirror.WorkFile.compare(QStringLiteral("Fuzz"), Qt::CaseInsensitive) == 0);
    const ZoneTable zones = computeZoneGeometry(mirror.MirDiam, mirror.Obst, mirror.NZ).table;
    for (int zone = 1; zone <= mirror.NZ; ++zone) {
        fuzz::require(std::isfinite(zones.centerFrac[zone]) &&
                      std::isfinite(perfectNumber(zones, zone, mirror.MirDiam, mirror.Roc, 2)));
        const WindowColumns columns = zoneWindowColumns({160, 120, 120}, zones.centerFrac[zone]);
        fuzz::require(columns.left >= 40 && columns.right <= 280);
    }
    const QStringList lines = mirrorRecordLines(mirror);
    const QByteArray written = crlfJoin(lines).toUtf8();
    fuzz::writeInput(folder + QStringLiteral("/mirrors"), QStringLiteral("Fuzz.ini"),
                     reinterpret_cast<const uint8_t*>(written.constData()), size_t(written.size()));
    MirrorData again;
    fuzz::require(readMirrorRecord(path, again).loaded && mirrorRecordLines(again) == lines);
    return 0;
}
