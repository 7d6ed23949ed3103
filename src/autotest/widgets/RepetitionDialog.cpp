#include "autotest/widgets/RepetitionDialog.h"

#include "autotest/widgets/DialogPlacement.h"
#include "ui_RepetitionDialog.h"

namespace orvane {

Dialog::Dialog(Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), ui_(std::make_unique<Ui::Dialog>()) {
    ui_->setupUi(this);
    controls_ = {
        .setCountOptions = {ui_->Option1_0, ui_->Option1_1, ui_->Option1_2, ui_->Option1_3},
        .scheduleOptions = {ui_->Option2_0, ui_->Option2_1, ui_->Option2_2, ui_->Option2_3,
                            ui_->Option2_4, ui_->Option2_5},
        .scheduleFrame = ui_->Frame2};
    // A count the dialog cannot show (from a hand-edited file) selects nothing and OK keeps it.
    if (settings_.Reps >= 0 && settings_.Reps < controls_.setCountOptions.size())
        controls_.setCountOptions[settings_.Reps]->setChecked(true);
    connect(ui_->OKButton, &QPushButton::clicked, this, [this] {
        storeChoice();
        accept();
    });
    connect(ui_->CancelButton, &QPushButton::clicked, this, &Dialog::reject);
    adjustSize();
    centreOnScreen(*this);
}

Dialog::~Dialog() = default;

namespace {
// The minutes of "Run Test:" Option2(1..5); Option2(0) runs once.
const std::optional<int> ScheduleMinutes[] = {std::nullopt, 15, 30, 60, 120, 0};
} // namespace

void Dialog::editSchedule(RepeatOptions& repeat) {
    repeat_ = &repeat;
    controls_.scheduleFrame->setEnabled(true);
    // A period the dialog cannot show (from the file or the command line) selects nothing and
    // OK keeps it.
    for (int index = 0; index < controls_.scheduleOptions.size(); ++index) {
        QRadioButton& choice = *controls_.scheduleOptions[index];
        choice.setAutoExclusive(false); // or the choice checked in the form could not be cleared
        choice.setChecked(ScheduleMinutes[index] == repeat.everyMinutes);
        choice.setAutoExclusive(true);
    }
    ui_->spnRuns->setValue(repeat.count);
}

void Dialog::storeChoice() {
    for (int index = 0; index < controls_.setCountOptions.size(); ++index) {
        if (controls_.setCountOptions[index]->isChecked())
            settings_.Reps = index;
    }
    if (!repeat_)
        return;
    for (int index = 0; index < controls_.scheduleOptions.size(); ++index) {
        if (controls_.scheduleOptions[index]->isChecked())
            repeat_->everyMinutes = ScheduleMinutes[index];
    }
    repeat_->count = ui_->spnRuns->value();
}

} // namespace orvane
