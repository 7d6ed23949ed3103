#include "results/MirrorRecord.h"

#include "core/NumberText.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"

#include <cmath>
#include <limits>

namespace orvane {

namespace {
QString mirrorsFolder(const QString& programFolder) {
    return findPathIgnoringCase(joinPath(programFolder, {QStringLiteral("mirrors")}));
}
} // namespace

QString mirrorRecordPath(const QString& programFolder, const QString& name) {
    return findPathIgnoringCase(joinPath(mirrorsFolder(programFolder), {name + ".ini"}));
}

QStringList mirrorRecordLines(const MirrorData& mirror) {
    return {mirror.WorkFile,           numberText(mirror.MirDiam), numberText(mirror.Roc),
            numberText(mirror.CC),     numberText(mirror.Obst),    numberText(mirror.NZ),
            numberText(mirror.WorkNum)};
}

bool writeMirrorRecord(const QString& programFolder, const QString& name, const QStringList& lines,
                       QString* problem) {
    if (ensureFolder(mirrorsFolder(programFolder)))
        return writeTextFile(mirrorRecordPath(programFolder, name), crlfJoin(lines), problem);
    if (problem) {
        *problem = mirrorRecordPath(programFolder, name) +
                   QStringLiteral(" was not saved: its folder could not be made.");
    }
    return false;
}

std::optional<double> recordNumber(const QString& line) {
    if (line.trimmed().isEmpty())
        return 0.0;
    return parseNumber(line);
}

bool readMirrorRecord(const QString& path, MirrorData& mirror) {
    const auto read = readTextLines(path);
    if (!read)
        return false;
    // Lines past the seventh belong to no field and are ignored.
    QStringList lines = read->mid(0, MirrorRecordLines);
    while (lines.size() < MirrorRecordLines)
        lines.append(QString());

    mirror.WorkFile = lines[0];
    double* const doubles[] = {&mirror.MirDiam, &mirror.Roc, &mirror.CC, &mirror.Obst};
    for (int i = 0; i < 4; ++i) {
        const auto value = recordNumber(lines[i + 1]);
        if (!value)
            return false;
        *doubles[i] = *value;
    }
    int* const integers[] = {&mirror.NZ, &mirror.WorkNum};
    for (int i = 0; i < 2; ++i) {
        const auto value = recordNumber(lines[i + 5]);
        if (!value || std::abs(*value) > std::numeric_limits<int>::max())
            return false;
        *integers[i] = static_cast<int>(roundToInt(*value));
    }
    return true;
}

} // namespace orvane
