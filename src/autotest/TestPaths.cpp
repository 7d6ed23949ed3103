#include "autotest/TestPaths.h"

#include "core/NumberText.h"
#include "core/ProgramFolder.h"

namespace orvane {

QString zoneSoundPath(const QString& programFolder, int zone) {
    return findPathIgnoringCase(joinPath(
        programFolder, {QStringLiteral("Sound"), QStringLiteral("Z%1.wav").arg(numberText(zone))}));
}

QString endSoundPath(const QString& programFolder) {
    return findPathIgnoringCase(
        joinPath(programFolder, {QStringLiteral("Sound"), QStringLiteral("transpec.wav")}));
}

QString debugLogPath(const QString& programFolder) {
    return findPathIgnoringCase(joinPath(programFolder, {QStringLiteral("Debug.txt")}));
}

namespace {
QString prepareFolders(const QString& textpath, const QStringList& names) {
    if (textpath.isEmpty())
        return {};
    QString folder = textpath;
    ensureFolder(folder);
    for (const QString& name : names) {
        folder = findPathIgnoringCase(joinPath(folder, {name}));
        ensureFolder(folder);
    }
    return folder;
}
} // namespace

QString prepareImageFolder(const QString& textpath, const QString& workFile, int workNum) {
    return prepareFolders(textpath, {workFile, QStringLiteral("Images"),
                                     QStringLiteral("Test") + numberText(workNum)});
}

QString prepareReportFolder(const QString& textpath, const QString& workFile) {
    return prepareFolders(textpath, {workFile, QStringLiteral("TextData")});
}

} // namespace orvane
