#include "results/SaveOptionsModel.h"

#include "core/TextFile.h"
#include "results/ProgramTitle.h"

#include <QDir>

namespace orvane {

namespace {
bool isSeparator(QChar c) {
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

// The folder part of a chosen file: everything before the last separator that is not the
// first character; nullopt when there is none.
std::optional<QString> folderOfFile(const QString& file) {
    for (qsizetype i = file.size() - 1; i >= 1; --i) {
        if (isSeparator(file[i]))
            return file.left(i);
    }
    return std::nullopt;
}
} // namespace

SaveOptionsValues saveOptionsOf(const Settings& settings) {
    return {settings.FigurePath,   settings.Savefigure,   settings.LaunchFigure,
            settings.Sixtestspath, settings.SaveSixtests, settings.LaunchSixtests,
            settings.Launch3d,     settings.textpath,     settings.Savetext};
}

QString withoutTrailingSeparator(QString folder) {
    if (folder.size() > 1 && isSeparator(folder.back()))
        folder.chop(1);
    return folder;
}

void applySaveOptions(const SaveOptionsValues& values, Settings& settings) {
    settings.FigurePath = withoutTrailingSeparator(values.FigurePath);
    settings.Savefigure = values.Savefigure;
    settings.LaunchFigure = values.LaunchFigure;
    settings.Sixtestspath = withoutTrailingSeparator(values.Sixtestspath);
    settings.SaveSixtests = values.SaveSixtests;
    settings.LaunchSixtests = values.LaunchSixtests;
    settings.Launch3d = values.Launch3d;
    settings.textpath = withoutTrailingSeparator(values.textpath);
    settings.Savetext = values.Savetext;
}

ProgramBrowse figure45Browse() {
    return {QStringLiteral("Select Figure45.exe then click OPEN"),
            QStringLiteral("Please highlight Figure45.exe then click OPEN")};
}

ProgramBrowse sixtestsBrowse() {
    return {QStringLiteral("Select Sixtest.exe and click OPEN"), {}};
}

std::optional<QString> browseProgramFolder(const ProgramBrowse& browse, FileChooser& chooser,
                                           MessageBoxes& boxes) {
    const FileRequest request{browse.title, {}, QStringLiteral("Applications (*.exe)"), {}};
    for (;;) {
        const auto chosen = chooser.chooseFileToOpen(request);
        if (!chosen)
            return std::nullopt;
        if (!chosen->isEmpty())
            return folderOfFile(*chosen);
        QString text = QStringLiteral("The Selection ") + *chosen + QStringLiteral(" is invalid!");
        if (!browse.highlightHint.isEmpty())
            text += CrLf + browse.highlightHint;
        text += CrLf + QStringLiteral("Press Cancel to Exit.");
        const Message invalid{ProgramTitle, text, MessageIcon::Information,
                              MessageButtons::OkCancel, MessageAnswer::Ok};
        if (boxes.show(invalid) == MessageAnswer::Cancel)
            return std::nullopt;
    }
}

std::optional<QString> browseDataFolder(const QString& programFolder, FileChooser& chooser) {
    const auto chosen =
        chooser.chooseFolder(QStringLiteral("Select a Directory to Save Text Data"), programFolder);
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    return withoutTrailingSeparator(QDir::toNativeSeparators(*chosen));
}

} // namespace orvane
