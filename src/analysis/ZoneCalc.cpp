#include "analysis/ZoneCalc.h"

#include "core/NumberText.h"
#include "core/ProgramFolder.h"
#include "core/SimulatedBenchUse.h"
#include "core/TextFile.h"

#include <algorithm>

namespace orvane {

namespace {
constexpr int MaxReportLines = 51;
const QString Crlf = QStringLiteral("\r\n");
const QString Tab = QStringLiteral("\t");

// A length as the table shows it: the first 7 characters of its text, read back, 3 decimals.
QString tableLength(double value) {
    const double cut = parseNumber(numberText(value).left(7)).value_or(0.0);
    return numberText(roundHalfEven(cut, 3));
}

QString sourceMessage(bool fixedSource) {
    return fixedSource
               ? QStringLiteral("Pefect Numbers are for a FIXED light Source and Parabolic Mirror!")
               : QStringLiteral(
                     "Pefect Numbers are for a MOVING light Source and Parabolic Mirror!");
}
} // namespace

QString previousReportPath(const QString& textpath, const QString& WorkFile, int testNumber) {
    const QString name = QStringLiteral("Test%1.txt").arg(testNumber);
    return findPathIgnoringCase(joinPath(textpath, {WorkFile, QStringLiteral("TextData"), name}));
}

QString cutAtEquals(QString line) {
    const qsizetype length = line.size();
    for (qsizetype j = 1; j <= length; ++j) {
        if (line.mid(j - 1, 2) == QLatin1String("= "))
            line = line.right(line.size() - j + 2); // from the character before "="
    }
    return line;
}

QString previousReadingsText(const QStringList& reportLines, int testNumber) {
    QStringList kept;
    for (const QString& line : reportLines) {
        if (kept.size() == MaxReportLines)
            break; // the list holds 51 lines; later ones are ignored
        if (!line.isEmpty())
            kept.append(line);
    }
    QString text = QStringLiteral("Previous Zone Readings from Test #%1:").arg(testNumber) + Crlf;
    for (qsizetype k = 1; k < kept.size(); ++k) { // line 0 is the report's header
        // The line a test on the simulated bench adds below the report is no zone.
        if (isSimulatedBenchReportLine(kept[k]))
            text += kept[k] + Crlf;
        else
            text += QStringLiteral("Old Zone ") + QString::number(k) + cutAtEquals(kept[k]) + Crlf;
    }
    return text;
}

QString zoneTableText(const MirrorData& mirror, const ZoneTable& table, int PerfectFactor) {
    const double semi = mirror.MirDiam / 2;
    QString text = Crlf + QStringLiteral("Zone\tInner\tOuter\tRadius\tPerf#") + Crlf;
    for (int i = 1; i <= std::min(mirror.NZ, MaxZones); ++i) {
        text += QString::number(i) + Tab + tableLength(table.innerFrac[i] * semi) + Tab +
                tableLength(table.outerFrac[i] * semi) + Tab +
                tableLength(table.centerFrac[i] * semi) + Tab +
                numberText(perfectNumber(table, i, mirror.MirDiam, mirror.Roc, PerfectFactor)) +
                Crlf;
    }
    return text;
}

ZoneCalcResult zoneCalc(const MirrorData& mirror, bool fixedSource, const QString& textpath) {
    ZoneCalcResult result;
    result.PerfectFactor = perfectFactor(fixedSource);
    result.geometry = computeZoneGeometry(mirror.MirDiam, mirror.Obst, mirror.NZ);

    const int previousTest = mirror.WorkNum - 1;
    // Without a data folder there is no report to read (a relative path would search the
    // working folder instead).
    const std::optional<QStringList> report =
        textpath.isEmpty()
            ? std::nullopt
            : readTextLines(previousReportPath(textpath, mirror.WorkFile, previousTest));
    if (report)
        result.readingsTable = previousReadingsText(*report, previousTest);
    result.readingsTable += Crlf + QStringLiteral("Use Zone data below for manual data reduction");
    result.readingsTable += zoneTableText(mirror, result.geometry.table, result.PerfectFactor);
    result.readingsTable += Crlf + sourceMessage(fixedSource);
    return result;
}

} // namespace orvane
