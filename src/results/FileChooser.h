#pragma once

#include <QString>
#include <optional>

namespace orvane {

struct FileRequest {
    QString title;
    QString startFolder;
    QString filter; // Qt form, e.g. "Applications (*.exe)"
    QString defaultSuffix;
};

// The program's file and folder pickers; nullopt means the user cancelled.
class FileChooser {
  public:
    virtual ~FileChooser() = default;
    virtual std::optional<QString> chooseFileToOpen(const FileRequest& request) = 0;
    virtual std::optional<QString> chooseFolder(const QString& title,
                                                const QString& startFolder) = 0;
};

} // namespace orvane
