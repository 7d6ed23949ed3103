#include "capture/widgets/VideoSourceDialog.h"

#include "ui_VideoSourceDialog.h"

#include <QDoubleSpinBox>
#include <algorithm>

namespace orvane {

namespace {

QDoubleSpinBox* spinBoxFor(const CameraControl& control, QWidget* parent) {
    auto* spin = new QDoubleSpinBox(parent);
    spin->setDecimals(control.decimals);
    spin->setRange(control.minimum, control.maximum);
    spin->setSingleStep(control.step);
    spin->setValue(control.value);
    spin->setAccessibleName(control.label);
    spin->setEnabled(control.supported);
    return spin;
}

} // namespace

// The camera decides which controls it supports, so the rows are added here rather than in the
// form.
VideoSourceDialog::VideoSourceDialog(CameraSettings& camera, QWidget* parent, ChosenHandler chosen)
    : QDialog(parent), ui_(std::make_unique<Ui::VideoSourceDialog>()) {
    ui_->setupUi(this);
    const QList<CameraControl> controls = camera.controls();
    ui_->lblNone->setVisible(std::none_of(controls.begin(), controls.end(),
                                          [](const CameraControl& c) { return c.supported; }));
    for (const CameraControl& control : controls) {
        QDoubleSpinBox* spin = spinBoxFor(control, this);
        connect(spin, &QDoubleSpinBox::valueChanged, this,
                [&camera, chosen, id = control.id](double value) {
                    camera.setControl(id, value);
                    if (chosen)
                        chosen(id, value);
                });
        ui_->controls->addRow(control.label, spin);
    }
}

VideoSourceDialog::~VideoSourceDialog() = default;

} // namespace orvane
