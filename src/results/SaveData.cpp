#include "results/SaveData.h"

#include "core/TextFile.h"
#include "results/FigureExport.h"
#include "results/MirrorRecord.h"
#include "results/SixtestsExport.h"
#include "results/TextReport.h"

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
} // namespace

SaveDataResult saveData(const ResultsContext& context) {
    const Settings& settings = context.settings;
    SaveDataResult result;
    if (settings.Savefigure && !exportFigure(context))
        result.SaveProblem = true;
    if (settings.Savetext && !writeTextReport(context))
        result.SaveProblem = true;
    if (settings.SaveSixtests && sixtestsMayStart(context) && !exportSixtests(context))
        result.SaveProblem = true;

    if (!settings.Savefigure && !settings.Savetext && !settings.SaveSixtests) {
        context.boxes.show({QStringLiteral("Not Configured!"),
                            QStringLiteral("Save Data Details not configured Properly") + CrLf +
                                QStringLiteral("Goto Test Options/Save Data Options to Setup "
                                               "Files Save Options"),
                            MessageIcon::Information});
        result.configured = false;
        return result;
    }
    if (!result.SaveProblem) {
        ++context.mirror.WorkNum;
        // The next test number is kept in memory even when the record cannot be rewritten.
        writeMirrorRecord(context.programFolder, context.mirror.WorkFile,
                          mirrorRecordLines(context.mirror));
    }
    return result;
}

} // namespace orvane
