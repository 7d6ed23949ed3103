#pragma once

#include "analysis/ZoneGeometry.h"

#include <QString>
#include <QStringList>

namespace orvane {

// What Zone_Calc produces: the zone table and the whole text of Text2. The caller stores the
// table, shows the text and enables Command5 ("Save Data").
struct ZoneCalcResult {
    ZoneGeometry geometry;
    int PerfectFactor = 1;
    QString readingsTable;
};

// Rebuilds the zones of `mirror`, reading the previous test's report back from under
// `textpath` (a missing or unreadable report is no error).
ZoneCalcResult zoneCalc(const MirrorData& mirror, bool fixedSource, const QString& textpath);

// The report of test `testNumber`, found whatever the letter case of its components.
QString previousReportPath(const QString& textpath, const QString& WorkFile, int testNumber);

// "Previous Zone Readings from Test #n:" and one "Old Zone k" line per zone line of the report.
QString previousReadingsText(const QStringList& reportLines, int testNumber);

// Keeps a report line from the character before its (usually last) "= " onward.
QString cutAtEquals(QString line);

// The TAB-separated table of zone boundaries, radii and perfect numbers, with the source message.
QString zoneTableText(const MirrorData& mirror, const ZoneTable& table, int PerfectFactor);

} // namespace orvane
