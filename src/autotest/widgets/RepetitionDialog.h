#pragma once

#include "core/Settings.h"

#include <QDialog>
#include <QList>
#include <memory>

class QRadioButton;

namespace Ui {
class Dialog;
}

namespace orvane {

// The repetition options: how many sets of readings one test takes (Reps = sets - 1).
// The "Run Test:" schedule is shown but disabled, since tests are never repeated on a timer.
class Dialog : public QDialog {
    Q_OBJECT
  public:
    explicit Dialog(Settings& settings, QWidget* parent = nullptr);
    ~Dialog() override;

  private:
    void storeChoice();

    Settings& settings_;
    std::unique_ptr<Ui::Dialog> ui_;
    QList<QRadioButton*> setChoices_; // Option1(0..3)
};

} // namespace orvane
