#pragma once

#include "core/MessageBoxes.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class QMessageBox;

namespace orvane {

// Messages as modal QMessageBoxes over the main window.
class QtMessageBoxes : public MessageBoxes {
  public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    MessageAnswer show(const Message& message) override;

    // The box as it will be shown, for a look without running it.
    static std::unique_ptr<QMessageBox> build(const Message& message, QWidget* parent);

  private:
    QPointer<QWidget> parent_;
};

} // namespace orvane
