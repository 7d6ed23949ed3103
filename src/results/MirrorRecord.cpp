#include "results/MirrorRecord.h"

#include "core/NumberText.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"

#include <QFileInfo>
#include <cmath>
#include <functional>

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

namespace {
// One number line of a record: where it goes, the editor's messages and the range it accepts.
struct RecordNumberLine {
    const char* formatMessage;
    // The editor's message, or this reader's own sentence, for a value out of range; empty when
    // the value fits.
    std::function<QString(double)> rangeProblem;
};

QString beyond(double limit, const char* what) {
    return QStringLiteral("%1 must not be beyond %2.").arg(QLatin1String(what), numberText(limit));
}

QString lineProblem(const QString& path, int line, const QString& text, const QString& why) {
    return QStringLiteral("Line %1 of \"%2\" holds \"%3\": %4").arg(line).arg(path, text, why);
}
} // namespace

MirrorRecordRead readMirrorRecord(const QString& path, MirrorData& mirror) {
    MirrorRecordRead read;
    QString error;
    const auto found = readTextLines(path, &error);
    if (!found) {
        read.problem = QStringLiteral("\"%1\" cannot be read: %2.").arg(path, error);
        return read;
    }
    // Lines past the seventh belong to no field and are ignored.
    QStringList lines = found->mid(0, MirrorRecordLines);
    while (lines.size() < MirrorRecordLines)
        lines.append(QString());

    const QString ownName = QFileInfo(path).completeBaseName();
    mirror.WorkFile = ownName;
    if (lines[0].compare(ownName, Qt::CaseInsensitive) == 0)
        mirror.WorkFile = lines[0];
    else
        read.notes << QStringLiteral("The record \"%1\" names the mirror \"%2\" on its first line; "
                                     "its tests are filed under its own name, %3.")
                          .arg(path, lines[0], ownName);

    const auto wholeNumber = [](double v) { return double(roundToInt(v)); };
    const RecordNumberLine checks[] = {
        {"Improper format in mirror diameter!",
         [](double v) {
             return v < 2                 ? QStringLiteral("Mirror must be greater than 2!")
                    : v > MaxRecordLength ? beyond(MaxRecordLength, "A diameter")
                                          : QString();
         }},
        {"Improper format in ROC entry!",
         [&](double v) {
             return v <= 1 ? QStringLiteral("Roc Must be > 1")
                    : v <= mirror.MirDiam / 2
                        ? QStringLiteral("The radius of curvature must be more than the "
                                         "semi-diameter, %1.")
                              .arg(numberText(mirror.MirDiam / 2))
                    : v > MaxRecordLength ? beyond(MaxRecordLength, "A radius of curvature")
                                          : QString();
         }},
        {"Improper format in Deformation entry!",
         [](double v) {
             return std::abs(v) > MaxRecordLength ? beyond(MaxRecordLength, "A conic constant")
                                                  : QString();
         }},
        {"Improper format in Secondary Obstruction entry!",
         [&](double v) {
             return v < 0 ? QStringLiteral("Your secondary has a Negative value?")
                    : v >= mirror.MirDiam
                        ? QStringLiteral("The obstruction must be smaller than the mirror, %1.")
                              .arg(numberText(mirror.MirDiam))
                        : QString();
         }},
        // The message names 11, but the result tables hold 16 zones and 16 are accepted.
        {"Improper format in Zone entry!",
         [&](double v) {
             return wholeNumber(v) < 2 || wholeNumber(v) > MaxZones
                        ? QStringLiteral("Number of zones must be between 2 & 11!")
                        : QString();
         }},
        {"Improper format in Number of Tests Run!",
         [&](double v) {
             return wholeNumber(v) < 1 || wholeNumber(v) >= TestNumberLimit
                        ? QStringLiteral("The next test number must be from 1 to %1.")
                              .arg(TestNumberLimit - 1)
                        : QString();
         }},
    };
    double* const doubles[] = {&mirror.MirDiam, &mirror.Roc, &mirror.CC, &mirror.Obst};
    int* const integers[] = {&mirror.NZ, &mirror.WorkNum};
    for (int i = 0; i < 6; ++i) {
        const QString& text = lines[i + 1];
        const bool blank = text.trimmed().isEmpty();
        const bool firstTest = blank && i == 5;
        if (firstTest)
            read.notes << QStringLiteral("Line 7 of \"%1\" holds no test number; the next test is "
                                         "test 1.")
                              .arg(path);
        // A missing or blank line reads as 0, the test number as the first test.
        const std::optional<double> value =
            blank ? std::optional(firstTest ? 1.0 : 0.0) : parseNumber(text);
        const QString why =
            value ? checks[i].rangeProblem(*value) : QString::fromLatin1(checks[i].formatMessage);
        if (!why.isEmpty()) {
            read.problem = lineProblem(path, i + 2, text, why);
            return read;
        }
        if (i < 4)
            *doubles[i] = *value;
        else
            *integers[i - 4] = static_cast<int>(roundToInt(*value));
    }
    read.loaded = true;
    return read;
}

} // namespace orvane
