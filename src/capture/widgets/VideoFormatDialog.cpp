#include "capture/widgets/VideoFormatDialog.h"

#include "capture/CameraSettings.h"

#include "ui_VideoFormatDialog.h"

namespace orvane {

VideoFormatDialog::VideoFormatDialog(CameraSettings& camera, QWidget* parent)
    : QDialog(parent), camera_(camera), ui_(std::make_unique<Ui::VideoFormatDialog>()) {
    ui_->setupUi(this);
    const QStringList names = camera_.formatNames();
    ui_->lblNone->setVisible(names.isEmpty());
    ui_->lstFormats->setVisible(!names.isEmpty());
    ui_->lstFormats->addItems(names);
    ui_->lstFormats->setCurrentRow(camera_.currentFormat());
}

VideoFormatDialog::~VideoFormatDialog() = default;

void VideoFormatDialog::accept() {
    const int chosen = ui_->lstFormats->currentRow();
    if (chosen >= 0 && chosen != camera_.currentFormat())
        camera_.applyFormat(chosen);
    QDialog::accept();
}

} // namespace orvane
