#include "capture/widgets/VideoFormatDialog.h"

#include "capture/CameraSettings.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace orvane {

VideoFormatDialog::VideoFormatDialog(CameraSettings& camera, QWidget* parent)
    : QDialog(parent), camera_(camera), lstFormats_(new QListWidget(this)) {
    setWindowTitle(tr("Video Format"));
    auto* layout = new QVBoxLayout(this);
    const QStringList names = camera_.formatNames();
    if (names.isEmpty()) {
        auto* lblNone = new QLabel(tr("The connected driver offers no camera formats."), this);
        lblNone->setObjectName("lblNone");
        layout->addWidget(lblNone);
        lstFormats_->hide();
    }
    lstFormats_->setObjectName("lstFormats");
    lstFormats_->addItems(names);
    lstFormats_->setCurrentRow(camera_.currentFormat());
    layout->addWidget(lstFormats_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &VideoFormatDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &VideoFormatDialog::reject);
    layout->addWidget(buttons);
}

void VideoFormatDialog::accept() {
    const int chosen = lstFormats_->currentRow();
    if (chosen >= 0 && chosen != camera_.currentFormat())
        camera_.applyFormat(chosen);
    QDialog::accept();
}

} // namespace orvane
