#include "capture/widgets/frmSelect.h"

#include "capture/CaptureController.h"
#include "capture/FrameSource.h"
#include "ui_frmSelect.h"

namespace orvane {

frmSelect::frmSelect(FrameSource& drivers, CaptureController& controller, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::frmSelect>()), drivers_(drivers),
      controller_(controller) {
    ui_->setupUi(this);
    setModal(false);
    connect(ui_->cmdSelect, &QPushButton::clicked, this, &frmSelect::accept);
    connect(ui_->cmdCancel, &QPushButton::clicked, this, &frmSelect::reject);
    listDrivers();
}

frmSelect::~frmSelect() = default;

void frmSelect::listDrivers() {
    for (int index = 0;; ++index) {
        const std::optional<QString> name = drivers_.driverName(index);
        if (!name)
            break;
        ui_->cmboSource->addItem(*name);
    }
    // Nothing is chosen unless the connected driver can be found in the list.
    ui_->cmboSource->setCurrentIndex(-1);
    const std::optional<DriverCaps> caps = drivers_.capabilities();
    if (caps && caps->deviceIndex < ui_->cmboSource->count())
        ui_->cmboSource->setCurrentIndex(caps->deviceIndex);
}

void frmSelect::accept() {
    controller_.selectDriver(ui_->cmboSource->currentIndex());
    QDialog::accept();
}

void frmSelect::reject() {
    controller_.cancelSelection();
    QDialog::reject();
}

} // namespace orvane
