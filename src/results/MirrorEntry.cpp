#include "results/MirrorEntry.h"

#include "core/NumberText.h"
#include "core/Settings.h"
#include "core/TextFile.h"
#include "results/MirrorRecord.h"

#include <QFileInfo>

namespace orvane {

namespace {
Message failure(const char* text, const char* title) {
    return {QString::fromLatin1(title), QString::fromLatin1(text)};
}

void checkName(const MirrorEntryTexts& texts, MirrorEntryCheck& check) {
    if (texts.name.isEmpty()) {
        check.failures.append(failure("How about a Name for this info :)", "Naming Error!"));
        return;
    }
    for (QChar c : texts.name) {
        if (MirrorNameIllegal.contains(c))
            check.failures.append(
                failure("Name may not contain /\\:*?<>|!", "Illegal Characters!"));
    }
}

void askOverwrite(const MirrorEntryTexts& texts, const MirrorEntryState& state, MessageBoxes& boxes,
                  MirrorEntryCheck& check) {
    if (state.openedFromFile ||
        !QFileInfo::exists(mirrorRecordPath(state.programFolder, texts.name)))
        return;
    const Message question{QStringLiteral("File Warning!"),
                           QStringLiteral("File Exists! Overwrite file?"), MessageIcon::None,
                           MessageButtons::OkCancel, MessageAnswer::Cancel};
    if (boxes.show(question) == MessageAnswer::Cancel)
        check.overwriteRefused = true;
}

// A number check: the format message when the text is no number, else the range message when
// `outOfRange` holds.
void checkNumber(const QString& text, Message format, bool (*outOfRange)(double), Message range,
                 MirrorEntryCheck& check) {
    const auto value = parseNumber(text);
    if (!value)
        check.failures.append(std::move(format));
    else if (outOfRange && outOfRange(*value))
        check.failures.append(std::move(range));
}

double numberOf(const QString& text) {
    return parseNumber(text).value_or(0.0);
}
} // namespace

MirrorEntryCheck checkMirrorEntry(const MirrorEntryTexts& texts, const MirrorEntryState& state,
                                  MessageBoxes& boxes) {
    MirrorEntryCheck check;
    if (texts.name.isEmpty() && state.closing) {
        check.stoppedSilently = true;
        return check;
    }
    checkName(texts, check);
    if (check.failures.isEmpty())
        askOverwrite(texts, state, boxes, check);

    checkNumber(
        texts.diameter, failure("Improper format in mirror diameter!", "Diameter error!"),
        [](double v) { return v < 2; }, failure("Mirror must be greater than 2!", "Diameter Error"),
        check);
    checkNumber(
        texts.roc, failure("Improper format in ROC entry!", "ROC Error!"),
        [](double v) { return v <= 1; }, failure("Roc Must be > 1", "ROC Error"), check);
    checkNumber(texts.cc,
                failure("Improper format in Deformation entry!", "Deformation Constant error!"),
                nullptr, {}, check);
    checkNumber(
        texts.obstruction,
        failure("Improper format in Secondary Obstruction entry!", "Obstruction Error!"),
        [](double v) { return v < 0; },
        failure("Your secondary has a Negative value?", "You Wish!"), check);
    // The message names 11, but the result tables hold 16 zones and 16 are accepted.
    checkNumber(
        texts.zones, failure("Improper format in Zone entry!", "Zone Error!"),
        [](double v) { return v < 2 || v > MaxZones; },
        failure("Number of zones must be between 2 & 11!", "Zone Error!"), check);
    checkNumber(texts.testsRun,
                failure("Improper format in Number of Tests Run!", "Tests Ran Error"), nullptr, {},
                check);
    return check;
}

MirrorData mirrorFromEntry(const MirrorEntryTexts& texts) {
    MirrorData mirror;
    mirror.WorkFile = texts.name;
    mirror.MirDiam = numberOf(texts.diameter);
    mirror.Roc = numberOf(texts.roc);
    mirror.CC = numberOf(texts.cc);
    mirror.Obst = numberOf(texts.obstruction);
    mirror.NZ = static_cast<int>(roundToInt(numberOf(texts.zones)));
    mirror.WorkNum = static_cast<int>(roundToInt(numberOf(texts.testsRun) + 1));
    return mirror;
}

QStringList entryRecordLines(const MirrorEntryTexts& texts) {
    return {texts.name,
            texts.diameter,
            texts.roc,
            texts.cc,
            texts.obstruction,
            texts.zones,
            numberText(numberOf(texts.testsRun) + 1)};
}

void readEntryFromRecord(const QString& path, MirrorEntryTexts& texts) {
    const auto lines = readTextLines(path);
    if (!lines)
        return;
    // Lines past the seventh belong to no box and are ignored.
    QString* const boxes[] = {&texts.name, &texts.diameter,    &texts.roc,
                              &texts.cc,   &texts.obstruction, &texts.zones};
    for (int i = 0; i < 6; ++i) {
        if (i >= lines->size())
            return;
        *boxes[i] = lines->at(i);
    }
    if (lines->size() < MirrorRecordLines)
        return;
    if (const auto next = parseNumber(lines->at(6)))
        texts.testsRun = numberText(*next - 1);
}

} // namespace orvane
