#include "setup/widgets/frmStepSize.h"

#include "autotest/widgets/DialogPlacement.h"
#include "ui_frmStepSize.h"

namespace orvane {

frmStepSize::frmStepSize(Settings& settings, MessageBoxes& messages, QWidget* parent)
    : QDialog(parent), editor_(settings, messages), ui_(std::make_unique<Ui::frmStepSize>()) {
    ui_->setupUi(this);
    controls_ = {.helpLabel = ui_->Label1,
                 .toFromStepText = ui_->Text1,
                 .leftRightStepText = ui_->Text2,
                 .millimetresOption = ui_->OptMil,
                 .inchesOption = ui_->OptInch};
    controls_.helpLabel->setText(stepSizeHelpText());
    const StepSizeEntry entry = editor_.current();
    controls_.toFromStepText->setText(entry.toFrom);
    controls_.leftRightStepText->setText(entry.leftRight);
    (entry.millimetres ? controls_.millimetresOption : controls_.inchesOption)->setChecked(true);
    connect(ui_->cmdOK, &QPushButton::clicked, this, &frmStepSize::tryAccept);
    connect(ui_->cmdCancel, &QPushButton::clicked, this, &frmStepSize::reject);
    adjustSize();
    centreOnScreen(*this);
}

frmStepSize::~frmStepSize() = default;

void frmStepSize::tryAccept() {
    if (editor_.accept({controls_.toFromStepText->text(), controls_.leftRightStepText->text(),
                        controls_.millimetresOption->isChecked()}))
        accept();
}

void frmStepSize::reject() {
    if (editor_.cancel())
        QDialog::reject();
}

} // namespace orvane
