#pragma once

#include "setup/StepSizeEditor.h"

#include <QDialog>
#include <memory>

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
    void tryAccept();

    StepSizeEditor editor_;
    std::unique_ptr<Ui::frmStepSize> ui_;
};

} // namespace orvane
