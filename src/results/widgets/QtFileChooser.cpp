#include "results/widgets/QtFileChooser.h"

#include <QDir>
#include <QFileDialog>

namespace orvane {

std::optional<QString> QtFileChooser::chooseFileToOpen(const FileRequest& request) {
    QFileDialog dialog(parent_, request.title, request.startFolder, request.filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().value(0));
}

std::optional<QString> QtFileChooser::chooseFolder(const QString& title,
                                                   const QString& startFolder) {
    const QString folder = QFileDialog::getExistingDirectory(parent_, title, startFolder);
    if (folder.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(folder);
}

} // namespace orvane
