#pragma once

#include "autotest/TestOptions.h"
#include "core/Settings.h"

#include <QDialog>
#include <QList>
#include <memory>

class QGroupBox;
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
    // The controls under the names the code uses; the form keeps the documented names (in the
    // comments), listed in docs/NAMES.md.
    struct Controls {
        QList<QRadioButton*> setCountOptions; // Option1(0..3)
        QList<QRadioButton*> scheduleOptions; // Option2(0..5)
        QGroupBox* scheduleFrame = nullptr;   // Frame2
    };

    void storeChoice();

    Settings& settings_;
    std::unique_ptr<Ui::Dialog> ui_;
    Controls controls_;
    RepeatOptions* repeat_ = nullptr;
};

} // namespace orvane
