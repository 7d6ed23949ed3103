#include "setup/widgets/frmOptions.h"

#include "autotest/widgets/DialogPlacement.h"
#include "setup/KnifeSidePicture.h"
#include "ui_frmOptions.h"

#include <QPixmap>

namespace orvane {

namespace {
const QSize PictureSize(220, 150);
} // namespace

frmOptions::frmOptions(Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), ui_(std::make_unique<Ui::frmOptions>()) {
    ui_->setupUi(this);
    controls_ = {.knifeLeftButton = ui_->Option1_0,
                 .knifeRightButton = ui_->Option1_1,
                 .choiceLabel = ui_->Label2};
    for (QToolButton* option : {controls_.knifeLeftButton, controls_.knifeRightButton}) {
        const bool right = option == controls_.knifeRightButton;
        option->setIcon(QPixmap::fromImage(knifeSidePicture(right, PictureSize)));
        option->setIconSize(PictureSize);
        connect(option, &QToolButton::toggled, this, [this, right](bool selected) {
            if (selected)
                showChoice(right);
        });
    }
    (settings_.KnifeRight ? controls_.knifeRightButton : controls_.knifeLeftButton)
        ->setChecked(true);
    connect(ui_->cmdOK, &QPushButton::clicked, this, [this] {
        settings_.KnifeRight = controls_.knifeRightButton->isChecked();
        accept();
    });
    connect(ui_->cmdCancel, &QPushButton::clicked, this, &frmOptions::reject);
    adjustSize();
    centreOnScreen(*this);
}

frmOptions::~frmOptions() = default;

void frmOptions::showChoice(bool knifeRight) {
    controls_.choiceLabel->setText(knifeSelectionText(knifeRight));
}

} // namespace orvane
