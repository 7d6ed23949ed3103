#include "core/SettingsFile.h"

#include "core/LogCategories.h"
#include "core/MessageBoxes.h"
#include "core/ProgramFolder.h"
#include "core/SafeSave.h"
#include "core/SettingsLayout.h"
#include "core/TextFile.h"

#include <QFileInfo>
#include <array>
#include <optional>

namespace orvane {

namespace {

using Lines = std::array<QString, SettingsLineCount>;

constexpr double SmallestStepSize = 0.000125;

// What a load could not use, in the words its messages give.
struct LoadProblems {
    SettingsFailure failure = SettingsFailure::None;
    QString reason;        // why the load failed: the file, or the line and its value
    QStringList skipped;   // the lines of section B left out, each with why
    bool fileRead = false; // there was a file, so what could not be used is worth keeping
};

QString unusableLine(const QString& path, const SettingsLine& entry, const QString& text) {
    return QStringLiteral("Line %1 (%2) of \"%3\" holds \"%4\", which is not %5.")
        .arg(entry.line + 1)
        .arg(QLatin1String(entry.key), path, text, lineWanted(entry.value));
}

// Applies the lines in the layout's order; the first bad line of section A or C ends the load.
void applyLines(const Lines& lines, Settings& settings, const QString& path,
                LoadProblems& problems) {
    for (const SettingsLine& entry : settingsLayout(settings)) {
        const QString& text = lines[entry.line];
        if (readLine(entry.value, text))
            continue;
        qCDebug(lcSettings) << "line" << entry.line << entry.key << "cannot hold" << text;
        const QString why = unusableLine(path, entry, text);
        if (entry.section == SettingsSection::B) {
            problems.skipped << why.chopped(1) +
                                    QStringLiteral("; %1 keeps %2.")
                                        .arg(QLatin1String(entry.key), lineText(entry.value));
            continue;
        }
        problems.failure = entry.section == SettingsSection::A ? SettingsFailure::SectionA
                                                               : SettingsFailure::SectionC;
        problems.reason = why;
        return;
    }
}

std::optional<Lines> readSettingsLines(const QString& path, LoadProblems& problems) {
    QString error;
    const std::optional<QStringList> read = readTextLines(path, &error);
    problems.fileRead = read.has_value();
    if (!read) {
        if (QFileInfo::exists(path))
            problems.reason = QStringLiteral("\"%1\" cannot be read: %2.").arg(path, error);
        return std::nullopt;
    }
    if (read->size() > SettingsLineCount) {
        problems.reason = QStringLiteral("\"%1\" has more than %2 lines; line %3 holds \"%4\".")
                              .arg(path)
                              .arg(SettingsLineCount)
                              .arg(SettingsLineCount + 1)
                              .arg(read->at(SettingsLineCount));
        return std::nullopt;
    }
    Lines lines;
    for (qsizetype i = 0; i < read->size(); ++i)
        lines[i] = read->at(i);
    return lines;
}

// A copy of the file beside it, with why it was not used, before anything rewrites it.
QString keepUnusedFile(const QString& path, const QString& why) {
    const QString kept = path + QStringLiteral(".bad");
    QString problem;
    if (copyFileSafely(path, kept, &problem) &&
        writeTextFile(kept + QStringLiteral(".reason"), why + QLatin1String(CrLf), &problem))
        return QStringLiteral("The file is kept as \"%1\".").arg(kept);
    return QStringLiteral("It could not be kept as \"%1\": %2").arg(kept, problem);
}

// The documented message, then what was wrong and where the file was kept.
QString withReason(const QString& documented, const QString& reason, const QString& kept) {
    return reason.isEmpty() ? documented
                            : documented + QLatin1String(CrLf) + reason + QLatin1Char(' ') + kept;
}

// First-run defaults after the file could not be used.
void applySectionAFailure(Settings& s, const QString& programFolder, MessageBoxes& messages,
                          const SettingsDialogHooks& dialogs, const QString& reason) {
    if (s.StepSize == 0)
        s.StepSize = SmallestStepSize;
    if (s.LRStepSize == 0)
        s.LRStepSize = SmallestStepSize;
    messages.show({QStringLiteral("Initialization Error :("), reason, MessageIcon::Critical});
    if (s.textpath.isEmpty())
        s.textpath = joinPath(programFolder, {QStringLiteral("TestResults")});
    s.Savetext = true;
    if (s.autoTest.Min == 0) {
        s.autoTest.Min = 30;
        s.autoTest.Max = 60;
    }
    if (dialogs.openSetupDialog)
        dialogs.openSetupDialog();
}

void applySectionCFailure(MessageBoxes& messages, const SettingsDialogHooks& dialogs,
                          const QString& reason) {
    messages.show({QStringLiteral("Initialization Error :("), reason, MessageIcon::Critical});
    if (dialogs.openAutoTestDialog)
        dialogs.openAutoTestDialog();
}

} // namespace

QString settingsFilePath(const QString& programFolder) {
    return findPathIgnoringCase(joinPath(programFolder, {QStringLiteral("orvane.ini")}));
}

SettingsLoadResult LoadSettings(Settings& settings, const QString& programFolder,
                                MessageBoxes& messages, const SettingsDialogHooks& dialogs) {
    const QString path = settingsFilePath(programFolder);
    LoadProblems problems;
    if (const std::optional<Lines> lines = readSettingsLines(path, problems))
        applyLines(*lines, settings, path, problems);
    else
        problems.failure = SettingsFailure::SectionA;
    const QString why = (QStringList(problems.reason) + problems.skipped).join(CrLf).trimmed();
    const QString kept =
        problems.fileRead && !why.isEmpty() ? keepUnusedFile(path, why) : QString();

    SettingsLoadResult result;
    result.failure = problems.failure;
    if (result.failure == SettingsFailure::SectionA) {
        result.waitForIt = true;
        applySectionAFailure(
            settings, programFolder, messages, dialogs,
            withReason(QStringLiteral("Unable to Load Orvane.ini, Now opening Setup Dialog, "
                                      "Please confirm Data to continue"),
                       problems.reason, kept));
    } else if (result.failure == SettingsFailure::SectionC) {
        applySectionCFailure(messages, dialogs,
                             withReason(QStringLiteral("Unable to load Auto-Test Variuables, Now "
                                                       "opening Auto-Test Dialog, please confirm "
                                                       "data to continue"),
                                        problems.reason, kept));
    }
    if (!problems.skipped.isEmpty()) {
        messages.show({QStringLiteral("Settings Skipped"),
                       problems.skipped.join(CrLf) + QLatin1String(CrLf) + kept,
                       MessageIcon::Exclamation});
    }
    if (result.failure != SettingsFailure::None)
        settings.DebugDisplay = true;
    return result;
}

QStringList settingsLines(const Settings& settings) {
    Settings copy = settings; // the layout points into settings it could change
    QStringList lines(SettingsLineCount);
    for (const SettingsLine& entry : settingsLayout(copy))
        lines[entry.line] = lineText(entry.value);
    return lines;
}

bool SaveSettings(const Settings& settings, const QString& programFolder, MessageBoxes& messages) {
    const QString path = settingsFilePath(programFolder);
    QString error;
    if (writeTextFile(path, crlfJoin(settingsLines(settings)), &error))
        return true;
    messages.show({QStringLiteral("Save Error :("),
                   QStringLiteral("Unable to save the settings to %1 (%2). The program goes on "
                                  "with the current settings; they will be saved again at the "
                                  "next occasion.")
                       .arg(path, error),
                   MessageIcon::Critical});
    return false;
}

} // namespace orvane
