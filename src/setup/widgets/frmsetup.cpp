#include "setup/widgets/frmsetup.h"

#include "autotest/variables/DerivedMoves.h"
#include "autotest/variables/IntensityGap.h"
#include "autotest/widgets/DialogPlacement.h"
#include "core/HardwareConfig.h"
#include "core/NumberText.h"
#include "setup/MotorBoardCheck.h"
#include "setup/widgets/frmOptions.h"
#include "setup/widgets/frmStepSize.h"
#include "ui_frmsetup.h"

namespace orvane {

namespace {
constexpr int TimerIntervalMs = 200;
} // namespace

frmsetup::frmsetup(Settings& settings, const bool& waitForIt, MessageBoxes& messages,
                   SetupDialogHooks hooks, QWidget* parent)
    : QDialog(parent), settings_(settings), waitForIt_(waitForIt), messages_(messages),
      hooks_(std::move(hooks)), ui_(std::make_unique<Ui::frmsetup>()), timer_(this) {
    ui_->setupUi(this);
    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setInterval(TimerIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &frmsetup::copyControlsToSettings);
    selectNextTabOnCtrlTab(*ui_->tbsOptions);
    connectControls();
    listSerialPorts();
    load();
    centreOnScreen(*this);
}

frmsetup::~frmsetup() = default;

void frmsetup::connectControls() {
    connect(ui_->Check1, &QCheckBox::toggled, this,
            [this](bool ticked) { setMenu(&PlatformMenus::invert, ticked); });
    connect(ui_->Check3, &QCheckBox::toggled, this, [this](bool ticked) {
        if (!busy_)
            setMenu(&PlatformMenus::lrSwap, ticked);
    });
    connect(ui_->Check4, &QCheckBox::toggled, this, [this](bool ticked) {
        if (!busy_)
            setMenu(&PlatformMenus::tfSwap, ticked);
    });
    connect(ui_->Check2, &QCheckBox::toggled, this, &frmsetup::swapMotorsToggled);
    connect(ui_->Option1, &QRadioButton::toggled, this,
            [this](bool selected) { setMenu(&PlatformMenus::fixedSource, !selected); });
    connect(ui_->Option2, &QRadioButton::toggled, this,
            [this](bool selected) { setMenu(&PlatformMenus::fixedSource, selected); });
    connect(ui_->sldMax, &QSlider::valueChanged, this, [this] { maxMovedLast_ = true; });
    connect(ui_->sldmin, &QSlider::valueChanged, this, [this] { maxMovedLast_ = false; });

    connect(ui_->Command1, &QPushButton::clicked, this, [this] {
        frmStepSize(settings_, messages_, this).exec();
        emit settingsChanged();
    });
    connect(ui_->Command2, &QPushButton::clicked, this,
            [this] { frmOptions(settings_, this).exec(); });
    connect(ui_->Command3, &QPushButton::clicked, this, [this] {
        if (hooks_.openSaveOptions)
            hooks_.openSaveOptions(this);
    });
    connect(ui_->Command4, &QPushButton::clicked, this, [this] {
        if (hooks_.openRepetitionOptions)
            hooks_.openRepetitionOptions(this);
    });
    connect(ui_->cmdOK, &QPushButton::clicked, this, &frmsetup::accept);
    connect(ui_->cmdTestBoard, &QPushButton::clicked, this, &frmsetup::testMotorBoard);
}

void frmsetup::listSerialPorts() {
    for (const SerialPortEntry& port : serialPorts())
        ui_->cboSerialPort->addItem(serialPortCaption(port), port.device);
    for (int baud : {9600, 57600, DefaultBaud, 230400})
        ui_->cboBaud->addItem(numberText(baud), baud);
    ui_->cboBaud->setCurrentIndex(ui_->cboBaud->findData(DefaultBaud));
    if (ui_->cboSerialPort->count() == 0)
        ui_->lblBoardResult->setText(QStringLiteral("No serial port found; type its device."));
}

void frmsetup::testMotorBoard() {
    ui_->lblBoardResult->setText(QStringLiteral("Testing ..."));
    ui_->lblBoardResult->repaint(); // the check holds the dialog for up to a few seconds
    // A listed port is known by its device; anything else typed is a device itself.
    const QComboBox& ports = *ui_->cboSerialPort;
    const QString device = ports.currentText() == ports.itemText(ports.currentIndex())
                               ? ports.currentData().toString()
                               : ports.currentText().trimmed();
    ui_->lblBoardResult->setText(checkMotorBoard(device, ui_->cboBaud->currentData().toInt()));
}

void frmsetup::load() {
    const PlatformMenus& menus = settings_.menus;
    ui_->Slider1->setValue(settings_.Maxdelay);
    ui_->Slider2->setValue(settings_.Mindelay);
    ui_->Slider3->setValue(settings_.sldAcell);
    ui_->Check1->setChecked(menus.invert);
    ui_->Check3->setChecked(menus.lrSwap);
    ui_->Check4->setChecked(menus.tfSwap);
    ui_->Check3->setText(menus.lrSwapCaption);
    ui_->Check4->setText(menus.tfSwapCaption);
    (menus.fixedSource ? ui_->Option2 : ui_->Option1)->setChecked(true);
    // Ticking the swap box runs its action, so with swapped motors the dialog opens with the
    // reverse boxes exchanged.
    ui_->Check2->setChecked(menus.swapMotors);
    const AutoTestVariables& vars = settings_.autoTest;
    if (vars.Max != 0 && vars.Min != 0) {
        ui_->sldMax->setValue(vars.Max);
        ui_->sldmin->setValue(vars.Min);
    }
    showIntensityCaptions();
}

void frmsetup::setMenu(bool PlatformMenus::*item, bool checked) {
    if (settings_.menus.*item == checked)
        return;
    settings_.menus.*item = checked;
    emit settingsChanged();
}

void frmsetup::swapMotorsToggled(bool ticked) {
    if (busy_)
        return;
    busy_ = true;
    setMenu(&PlatformMenus::swapMotors, ticked);
    const bool lrTicked = ui_->Check3->isChecked();
    const QString lrCaption = ui_->Check3->text();
    ui_->Check3->setChecked(ui_->Check4->isChecked());
    ui_->Check3->setText(ui_->Check4->text());
    ui_->Check4->setChecked(lrTicked);
    ui_->Check4->setText(lrCaption);
    busy_ = false;
}

void frmsetup::copyControlsToSettings() {
    const IntensityLimits limits =
        keepIntensityGap({ui_->sldMax->value(), ui_->sldmin->value()}, maxMovedLast_);
    ui_->sldMax->setValue(limits.max);
    ui_->sldmin->setValue(limits.min);

    AutoTestVariables& vars = settings_.autoTest;
    const int speeds[] = {ui_->Slider1->value(), ui_->Slider2->value(), ui_->Slider3->value()};
    const bool changed = settings_.Maxdelay != speeds[0] || settings_.Mindelay != speeds[1] ||
                         settings_.sldAcell != speeds[2] || vars.Max != ui_->sldMax->value() ||
                         vars.Min != ui_->sldmin->value();
    settings_.Maxdelay = speeds[0];
    settings_.Mindelay = speeds[1];
    settings_.sldAcell = speeds[2];
    vars.Max = ui_->sldMax->value();
    vars.Min = ui_->sldmin->value();
    showIntensityCaptions();
    if (changed)
        emit settingsChanged();
}

void frmsetup::showIntensityCaptions() {
    ui_->Frame3->setTitle(QStringLiteral("Max Intensity = ") + numberText(ui_->sldMax->value()));
    ui_->Frame4->setTitle(QStringLiteral("Min Intensity = ") + numberText(ui_->sldmin->value()));
}

void frmsetup::done(int result) {
    if (!isVisible()) {
        QDialog::done(result);
        return;
    }
    // A slider moved just before closing is not lost to the timer's interval.
    copyControlsToSettings();
    deriveMovesIfUnset(settings_.autoTest, settings_.StepSize, settings_.StepSize);
    const bool continueChain = waitForIt_;
    const std::function<void()> openNext = hooks_.openSaveOptionsModeless;
    QDialog::done(result);
    // OK only closes; the chain continues here, so the save options open once per closing.
    if (continueChain && openNext)
        openNext();
}

void frmsetup::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    timer_.start();
}

void frmsetup::hideEvent(QHideEvent* event) {
    timer_.stop();
    QDialog::hideEvent(event);
}

} // namespace orvane
