#pragma once

#include "autotest/TestOptions.h"
#include "core/Settings.h"

#include <QDialog>
#include <QList>
#include <memory>

class QRadioButton;

namespace Ui {
class Dialog;
}

namespace orvane {

// The repetition options: how many sets of readings one test takes (Reps = sets - 1), and, when
// asked to edit it, how often the test runs ("Run Test:").
class Dialog : public QDialog {
    Q_OBJECT
  public:
    explicit Dialog(Settings& settings, QWidget* parent = nullptr);
    ~Dialog() override;

    // Enables the "Run Test:" group on `repeat`, stored with the sets on OK.
    void editSchedule(RepeatOptions& repeat);

  private:
    void storeChoice();

    Settings& settings_;
    std::unique_ptr<Ui::Dialog> ui_;
    QList<QRadioButton*> setChoices_;      // Option1(0..3)
    QList<QRadioButton*> scheduleChoices_; // Option2(0..5)
    RepeatOptions* repeat_ = nullptr;
};

} // namespace orvane
