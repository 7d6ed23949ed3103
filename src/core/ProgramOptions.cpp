#include "core/ProgramOptions.h"

#include "core/ProgramFolder.h"
#include "core/SafeSave.h"

#include <QSettings>

namespace orvane {

namespace {
const QString RecordTestsKey = QStringLiteral("test/record_video");
}

QString programOptionsPath(const QString& programFolder) {
    return findPathIgnoringCase(joinPath(programFolder, {QStringLiteral("orvane-options.ini")}));
}

ProgramOptions loadProgramOptions(const QString& programFolder) {
    const QSettings file(programOptionsPath(programFolder), QSettings::IniFormat);
    const QString record = file.value(RecordTestsKey).toString();
    return {.recordTests = record == QLatin1String("true")};
}

bool saveProgramOptions(const QString& programFolder, const ProgramOptions& options,
                        QString* problem) {
    const QByteArray text =
        "[test]\nrecord_video=" + QByteArray(options.recordTests ? "true" : "false") + '\n';
    return saveFileSafely(programOptionsPath(programFolder), text, problem);
}

} // namespace orvane
