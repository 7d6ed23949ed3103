#include "autotest/widgets/RepetitionDialog.h"

#include "autotest/widgets/DialogPlacement.h"
#include "ui_RepetitionDialog.h"

namespace orvane {

Dialog::Dialog(Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), ui_(std::make_unique<Ui::Dialog>()) {
    ui_->setupUi(this);
    setChoices_ = {ui_->Option1_0, ui_->Option1_1, ui_->Option1_2, ui_->Option1_3};
    // A count the dialog cannot show (from a hand-edited file) selects nothing and OK keeps it.
    if (settings_.Reps >= 0 && settings_.Reps < setChoices_.size())
        setChoices_[settings_.Reps]->setChecked(true);
    connect(ui_->OKButton, &QPushButton::clicked, this, [this] {
        storeChoice();
        accept();
    });
    connect(ui_->CancelButton, &QPushButton::clicked, this, &Dialog::reject);
    adjustSize();
    centreOnScreen(*this);
}

Dialog::~Dialog() = default;

void Dialog::storeChoice() {
    for (int index = 0; index < setChoices_.size(); ++index) {
        if (setChoices_[index]->isChecked())
            settings_.Reps = index;
    }
}

} // namespace orvane
