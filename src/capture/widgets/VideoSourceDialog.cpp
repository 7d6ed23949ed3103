#include "capture/widgets/VideoSourceDialog.h"

#include "capture/CameraSettings.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace orvane {

namespace {

QDoubleSpinBox* spinBoxFor(const CameraControl& control, QWidget* parent) {
    auto* spin = new QDoubleSpinBox(parent);
    spin->setDecimals(control.decimals);
    spin->setRange(control.minimum, control.maximum);
    spin->setSingleStep(control.step);
    spin->setValue(control.value);
    spin->setAccessibleName(control.label);
    return spin;
}

} // namespace

VideoSourceDialog::VideoSourceDialog(CameraSettings& camera, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Video Source Controls"));
    auto* layout = new QVBoxLayout(this);
    const QList<CameraControl> controls = camera.controls();
    if (controls.isEmpty()) {
        auto* lblNone =
            new QLabel(tr("This camera offers no exposure or brightness controls."), this);
        lblNone->setObjectName("lblNone");
        layout->addWidget(lblNone);
    }
    auto* form = new QFormLayout;
    for (const CameraControl& control : controls) {
        QDoubleSpinBox* spin = spinBoxFor(control, this);
        connect(spin, &QDoubleSpinBox::valueChanged, this,
                [&camera, id = control.id](double value) { camera.setControl(id, value); });
        form->addRow(control.label, spin);
    }
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &VideoSourceDialog::reject);
    layout->addWidget(buttons);
}

} // namespace orvane
