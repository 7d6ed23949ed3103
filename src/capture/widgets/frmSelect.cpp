#include "capture/widgets/frmSelect.h"

#include "capture/CaptureController.h"
#include "capture/FrameSource.h"
#include "capture/VideoFileSource.h"
#include "ui_frmSelect.h"

#include <QFileDialog>
#include <QMessageBox>

namespace orvane {

frmSelect::frmSelect(FrameSource& drivers, CaptureController& controller, QWidget* parent,
                     VideoFileSource* videoFile)
    : QDialog(parent), ui_(std::make_unique<Ui::frmSelect>()), drivers_(drivers),
      controller_(controller), videoFile_(videoFile) {
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

bool frmSelect::chooseVideoFile() {
    const QString path = QFileDialog::getOpenFileName(
        this, VideoFileDriverName, videoFile_->path(),
        QStringLiteral("Videos (*.mp4 *.mkv *.avi *.webm *.mov *.y4m);;All files (*)"));
    if (path.isEmpty())
        return false;
    QString error;
    if (videoFile_->open(path, &error))
        return true;
    QMessageBox::warning(this, windowTitle(), error);
    return false;
}

void frmSelect::accept() {
    if (videoFile_ && ui_->cmboSource->currentText() == VideoFileDriverName && !chooseVideoFile())
        return; // the list stays open for another choice
    controller_.selectDriver(ui_->cmboSource->currentIndex());
    QDialog::accept();
}

void frmSelect::reject() {
    controller_.cancelSelection();
    QDialog::reject();
}

} // namespace orvane
