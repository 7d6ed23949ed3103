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
    controls_ = {.invertOutputCheck = ui_->Check1,
                 .swapMotorsCheck = ui_->Check2,
                 .reverseLeftRightCheck = ui_->Check3,
                 .reverseToFromCheck = ui_->Check4,
                 .movingSourceOption = ui_->Option1,
                 .fixedSourceOption = ui_->Option2,
                 .startingSpeedSlider = ui_->Slider1,
                 .topSpeedSlider = ui_->Slider2,
                 .accelerationSlider = ui_->Slider3,
                 .stepSizeButton = ui_->Command1,
                 .knifeSideButton = ui_->Command2,
                 .saveOptionsButton = ui_->Command3,
                 .repetitionButton = ui_->Command4,
                 .maxIntensityFrame = ui_->Frame3,
                 .minIntensityFrame = ui_->Frame4,
                 .maxIntensitySlider = ui_->sldMax,
                 .minIntensitySlider = ui_->sldmin};
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
    connect(controls_.invertOutputCheck, &QCheckBox::toggled, this,
            [this](bool ticked) { setMenu(&PlatformMenus::invert, ticked); });
    connect(controls_.reverseLeftRightCheck, &QCheckBox::toggled, this, [this](bool ticked) {
        if (!busy_)
            setMenu(&PlatformMenus::lrSwap, ticked);
    });
    connect(controls_.reverseToFromCheck, &QCheckBox::toggled, this, [this](bool ticked) {
        if (!busy_)
            setMenu(&PlatformMenus::tfSwap, ticked);
    });
    connect(controls_.swapMotorsCheck, &QCheckBox::toggled, this, &frmsetup::swapMotorsToggled);
    connect(controls_.movingSourceOption, &QRadioButton::toggled, this,
            [this](bool selected) { setMenu(&PlatformMenus::fixedSource, !selected); });
    connect(controls_.fixedSourceOption, &QRadioButton::toggled, this,
            [this](bool selected) { setMenu(&PlatformMenus::fixedSource, selected); });
    connect(controls_.maxIntensitySlider, &QSlider::valueChanged, this,
            [this] { maxMovedLast_ = true; });
    connect(controls_.minIntensitySlider, &QSlider::valueChanged, this,
            [this] { maxMovedLast_ = false; });

    connect(controls_.stepSizeButton, &QPushButton::clicked, this, [this] {
        frmStepSize(settings_, messages_, this).exec();
        emit settingsChanged();
    });
    connect(controls_.knifeSideButton, &QPushButton::clicked, this,
            [this] { frmOptions(settings_, this).exec(); });
    connect(controls_.saveOptionsButton, &QPushButton::clicked, this, [this] {
        if (hooks_.openSaveOptions)
            hooks_.openSaveOptions(this);
    });
    connect(controls_.repetitionButton, &QPushButton::clicked, this, [this] {
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
    controls_.startingSpeedSlider->setValue(settings_.Maxdelay);
    controls_.topSpeedSlider->setValue(settings_.Mindelay);
    controls_.accelerationSlider->setValue(settings_.sldAcell);
    controls_.invertOutputCheck->setChecked(menus.invert);
    controls_.reverseLeftRightCheck->setChecked(menus.lrSwap);
    controls_.reverseToFromCheck->setChecked(menus.tfSwap);
    controls_.reverseLeftRightCheck->setText(menus.lrSwapCaption);
    controls_.reverseToFromCheck->setText(menus.tfSwapCaption);
    (menus.fixedSource ? controls_.fixedSourceOption : controls_.movingSourceOption)
        ->setChecked(true);
    // Ticking the swap box runs its action, so with swapped motors the dialog opens with the
    // reverse boxes exchanged.
    controls_.swapMotorsCheck->setChecked(menus.swapMotors);
    const AutoTestVariables& vars = settings_.autoTest;
    if (vars.Max != 0 && vars.Min != 0) {
        controls_.maxIntensitySlider->setValue(vars.Max);
        controls_.minIntensitySlider->setValue(vars.Min);
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
    const bool lrTicked = controls_.reverseLeftRightCheck->isChecked();
    const QString lrCaption = controls_.reverseLeftRightCheck->text();
    controls_.reverseLeftRightCheck->setChecked(controls_.reverseToFromCheck->isChecked());
    controls_.reverseLeftRightCheck->setText(controls_.reverseToFromCheck->text());
    controls_.reverseToFromCheck->setChecked(lrTicked);
    controls_.reverseToFromCheck->setText(lrCaption);
    busy_ = false;
}

void frmsetup::copyControlsToSettings() {
    const IntensityLimits limits = keepIntensityGap(
        {controls_.maxIntensitySlider->value(), controls_.minIntensitySlider->value()},
        maxMovedLast_);
    controls_.maxIntensitySlider->setValue(limits.max);
    controls_.minIntensitySlider->setValue(limits.min);

    AutoTestVariables& vars = settings_.autoTest;
    const int speeds[] = {controls_.startingSpeedSlider->value(), controls_.topSpeedSlider->value(),
                          controls_.accelerationSlider->value()};
    const bool changed = settings_.Maxdelay != speeds[0] || settings_.Mindelay != speeds[1] ||
                         settings_.sldAcell != speeds[2] ||
                         vars.Max != controls_.maxIntensitySlider->value() ||
                         vars.Min != controls_.minIntensitySlider->value();
    settings_.Maxdelay = speeds[0];
    settings_.Mindelay = speeds[1];
    settings_.sldAcell = speeds[2];
    vars.Max = controls_.maxIntensitySlider->value();
    vars.Min = controls_.minIntensitySlider->value();
    showIntensityCaptions();
    if (changed)
        emit settingsChanged();
}

void frmsetup::showIntensityCaptions() {
    controls_.maxIntensityFrame->setTitle(QStringLiteral("Max Intensity = ") +
                                          numberText(controls_.maxIntensitySlider->value()));
    controls_.minIntensityFrame->setTitle(QStringLiteral("Min Intensity = ") +
                                          numberText(controls_.minIntensitySlider->value()));
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
