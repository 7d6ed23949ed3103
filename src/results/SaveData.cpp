#include "results/SaveData.h"

#include "core/NumberText.h"
#include "core/TextFile.h"
#include "results/FigureExport.h"
#include "results/MirrorRecord.h"
#include "results/SixtestsExport.h"
#include "results/TestRecordWriter.h"
#include "results/TextReport.h"

#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace orvane {

namespace {
// With both outside programs starting, figure45.exe has to be closed before sixtests.exe runs.
bool sixtestsMayStart(const ResultsContext& context) {
    const Settings& settings = context.settings;
    if (!(settings.LaunchFigure && settings.LaunchSixtests))
        return true;
    const Message question{QStringLiteral("Waiting for Figure to exit"),
                           QStringLiteral("Press OK to load Sixtests"), MessageIcon::None,
                           MessageButtons::OkCancel, MessageAnswer::Ok};
    return context.boxes.show(question) == MessageAnswer::Ok;
}

// A file of test `test` already saved by any of the writers, whichever are switched on now.
QString savedFileOf(const ResultsContext& context, int test) {
    const QString& textpath = context.settings.textpath;
    const QString& name = context.mirror.WorkFile;
    for (const QString& path :
         {textReportPath(textpath, name, test), figureFilePath(textpath, name, test),
          sixtestsSetPath(textpath, name, test), testRecordPath(textpath, name, test)}) {
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

// Moves the mirror's test number past the tests already on disk (a save whose record was not
// advanced, a record put back) and says so.
void takeFreeTestNumber(const ResultsContext& context) {
    if (context.settings.textpath.isEmpty())
        return;
    int& test = context.mirror.WorkNum;
    const int asked = test;
    QString taken;
    while (test < std::numeric_limits<int>::max()) {
        const QString found = savedFileOf(context, test);
        if (found.isEmpty())
            break;
        taken = found;
        ++test;
    }
    if (test == asked)
        return;
    context.boxes.show(
        {QStringLiteral("Test Number Taken"),
         QStringLiteral("Test %1 of %2 is already saved (%3), so this test is "
                        "saved as test %4.")
             .arg(numberText(asked), context.mirror.WorkFile, taken, numberText(test)),
         MessageIcon::Information});
}

// The record rewritten with the next test number; the number in memory follows once it is saved.
WriterOutcome advanceRecord(const ResultsContext& context) {
    MirrorData advanced = context.mirror;
    ++advanced.WorkNum;
    WriterOutcome outcome;
    if (writeMirrorRecord(context.programFolder, advanced.WorkFile, mirrorRecordLines(advanced),
                          &outcome.problem))
        context.mirror.WorkNum = advanced.WorkNum;
    outcome.path = mirrorRecordPath(context.programFolder, advanced.WorkFile);
    return outcome;
}

bool anyFailed(const QList<WriterOutcome>& files) {
    return std::any_of(files.begin(), files.end(), [](const auto& f) { return !f.ok(); });
}

void tellWhatWasNotSaved(const ResultsContext& context, const QList<WriterOutcome>& files) {
    QStringList lines;
    for (const WriterOutcome& file : files) {
        if (!file.ok())
            lines << file.problem;
    }
    lines << QStringLiteral("The test number of %1 stays %2.")
                 .arg(context.mirror.WorkFile, numberText(context.mirror.WorkNum));
    context.boxes.show(
        {QStringLiteral("Save Data Problem"), lines.join(CrLf), MessageIcon::Critical});
}
} // namespace

QString nothingToSave(const MirrorData& mirror, const ZoneReadings& readings) {
    if (mirror.WorkFile.isEmpty())
        return QStringLiteral("No mirror is loaded. Select a Mirror Profile from the Mirror "
                              "Database menu and run a test before saving.");
    for (int set = 0; set < MaxSets; ++set) {
        for (int zone = 1; zone <= MaxZones; ++zone) {
            if (readings.at(zone, set) != 0.0)
                return {};
        }
    }
    return QStringLiteral("No test of %1 has been run yet, so there are no readings to save.")
        .arg(mirror.WorkFile);
}

SaveDataResult saveData(const ResultsContext& context) {
    const Settings& settings = context.settings;
    SaveDataResult result;
    if (!settings.Savefigure && !settings.Savetext && !settings.SaveSixtests) {
        context.boxes.show({QStringLiteral("Not Configured!"),
                            QStringLiteral("Save Data Details not configured Properly") + CrLf +
                                QStringLiteral("Goto Test Options/Save Data Options to Setup "
                                               "Files Save Options"),
                            MessageIcon::Information});
        result.configured = false;
        return result;
    }
    const int nextTest = context.mirror.WorkNum;
    takeFreeTestNumber(context);
    if (settings.Savefigure)
        result.files << exportFigure(context);
    if (settings.Savetext)
        result.files << writeTextReport(context) << writeTestRecord(context);
    if (settings.SaveSixtests && sixtestsMayStart(context))
        result.files << exportSixtests(context);
    // The record goes last: a save cut short anywhere before it leaves the number where it was,
    // and the files already written keep their number from being used again.
    if (!anyFailed(result.files))
        result.files << advanceRecord(context);
    result.SaveProblem = anyFailed(result.files);
    if (result.SaveProblem) {
        context.mirror.WorkNum = nextTest;
        tellWhatWasNotSaved(context, result.files);
    }
    return result;
}

} // namespace orvane
