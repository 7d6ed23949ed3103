#include "setup/widgets/frmStepSize.h"

#include "autotest/widgets/DialogPlacement.h"
#include "ui_frmStepSize.h"

namespace orvane {

frmStepSize::frmStepSize(Settings& settings, MessageBoxes& messages, QWidget* parent)
    : QDialog(parent), editor_(settings, messages), ui_(std::make_unique<Ui::frmStepSize>()) {
    ui_->setupUi(this);
    ui_->Label1->setText(stepSizeHelpText());
    const StepSizeEntry entry = editor_.current();
    ui_->Text1->setText(entry.toFrom);
    ui_->Text2->setText(entry.leftRight);
    (entry.millimetres ? ui_->OptMil : ui_->OptInch)->setChecked(true);
    connect(ui_->cmdOK, &QPushButton::clicked, this, &frmStepSize::tryAccept);
    connect(ui_->cmdCancel, &QPushButton::clicked, this, &frmStepSize::reject);
    adjustSize();
    centreOnScreen(*this);
}

frmStepSize::~frmStepSize() = default;

void frmStepSize::tryAccept() {
    if (editor_.accept({ui_->Text1->text(), ui_->Text2->text(), ui_->OptMil->isChecked()}))
        accept();
}

void frmStepSize::reject() {
    if (editor_.cancel())
        QDialog::reject();
}

} // namespace orvane
