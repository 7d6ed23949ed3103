#pragma once

#include "setup/StepSizeEditor.h"

#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace Ui {
class frmStepSize;
}

namespace orvane {

// The step size dialog: full steps of both axes and the user's length unit. It will not close
// by Cancel (or the close box) while either step size is still zero.
class frmStepSize : public QDialog {
    Q_OBJECT
  public:
    frmStepSize(Settings& settings, MessageBoxes& messages, QWidget* parent = nullptr);
    ~frmStepSize() override;

    void reject() override;

  private:
    // The controls under the names the code uses; the form keeps the documented names (in the
    // comments), listed in docs/NAMES.md.
    struct Controls {
        QLabel* helpLabel = nullptr;               // Label1
        QLineEdit* toFromStepText = nullptr;       // Text1
        QLineEdit* leftRightStepText = nullptr;    // Text2
        QRadioButton* millimetresOption = nullptr; // OptMil
        QRadioButton* inchesOption = nullptr;      // OptInch
    };

    void tryAccept();

    StepSizeEditor editor_;
    std::unique_ptr<Ui::frmStepSize> ui_;
    Controls controls_;
};

} // namespace orvane
