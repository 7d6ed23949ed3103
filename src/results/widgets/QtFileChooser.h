#pragma once

#include "results/FileChooser.h"

class QWidget;

namespace orvane {

// The file and folder pickers of the desktop, opened over `parent`.
class QtFileChooser : public FileChooser {
  public:
    explicit QtFileChooser(QWidget* parent = nullptr) : parent_(parent) {}
    std::optional<QString> chooseFileToOpen(const FileRequest& request) override;
    std::optional<QString> chooseFolder(const QString& title, const QString& startFolder) override;

  private:
    QWidget* parent_;
};

} // namespace orvane
