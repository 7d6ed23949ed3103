#include "autotest/widgets/FrmAutoTest.h"

#include "autotest/variables/AutoTestReset.h"
#include "autotest/variables/DerivedMoves.h"
#include "autotest/variables/IntensityGap.h"
#include "autotest/variables/PseudoCode.h"
#include "autotest/widgets/DialogPlacement.h"
#include "core/NumberText.h"
#include "ui_FrmAutoTest.h"

#include <QFontDatabase>

namespace orvane {

namespace {
int selectedData(const QComboBox& list) {
    return list.currentData().toInt();
}

// The text boxes show lines, whatever their ends.
QString forDisplay(QString code) {
    return code.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
} // namespace

FrmAutoTest::FrmAutoTest(Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), ui_(std::make_unique<Ui::FrmAutoTest>()) {
    ui_->setupUi(this);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    ui_->TxtLrData->setFont(fixed);
    ui_->TxtRough->setFont(fixed);
    selectNextTabOnCtrlTab(*ui_->tbsOptions);
    ui_->fraPrecision->hide();
    connectControls();
    load();
    centreOnScreen(*this);
}

FrmAutoTest::~FrmAutoTest() = default;

void FrmAutoTest::editPrecision(PrecisionOptions& precision) {
    precision_ = &precision;
    ui_->fraPrecision->show();
    loadPrecision();
}

void FrmAutoTest::loadPrecision() {
    if (!precision_)
        return;
    ui_->chkPrecision->setChecked(precision_->on);
    ui_->spnPrecisionLimit->setValue(precision_->limit);
    ui_->spnPrecisionTakeUp->setValue(precision_->takeUp);
}

void FrmAutoTest::connectControls() {
    connect(ui_->sldMax, &QSlider::valueChanged, this, &FrmAutoTest::maxChanged);
    connect(ui_->sldmin, &QSlider::valueChanged, this, &FrmAutoTest::minChanged);
    connect(ui_->SldLRminFrames, &QSlider::valueChanged, this, &FrmAutoTest::lrMinFramesChanged);
    connect(ui_->SldTFRoughFrames, &QSlider::valueChanged, this,
            &FrmAutoTest::tfRoughFramesChanged);
    connect(ui_->sldTfFinalFrames, &QSlider::valueChanged, this,
            &FrmAutoTest::tfFinalFramesChanged);
    for (QComboBox* list : {ui_->cmbLrDelta, ui_->cmbLrSmMove, ui_->cmbLrLgMove})
        connect(list, &QComboBox::currentIndexChanged, this, &FrmAutoTest::regenerateKnifeCode);
    for (QComboBox* list :
         {ui_->cmbTfOblateDelta, ui_->cmbTfOblateMove, ui_->CmbTfRoughDelta, ui_->CmbTfRoughMove})
        connect(list, &QComboBox::currentIndexChanged, this, &FrmAutoTest::regeneratePlatformCode);
    connect(ui_->cmdOK, &QPushButton::clicked, this, [this] {
        store();
        accept();
    });
    connect(ui_->cmdApply, &QPushButton::clicked, this, &FrmAutoTest::store);
    connect(ui_->cmdCancel, &QPushButton::clicked, this, &FrmAutoTest::reject);
    connect(ui_->Command1, &QPushButton::clicked, this, &FrmAutoTest::resetToDefaults);
}

void FrmAutoTest::load() {
    AutoTestVariables& vars = settings_.autoTest;
    loading_ = true;
    ui_->sldMax->setValue(vars.Max);
    ui_->sldmin->setValue(vars.Min);
    // Each frame slider raises the next one's minimum, so they are set in this order.
    ui_->SldLRminFrames->setValue(vars.LRMinFrames);
    ui_->SldTFRoughFrames->setValue(vars.TFRoughFrames);
    ui_->sldTfFinalFrames->setValue(vars.TFFinalFrames);
    maxChanged(ui_->sldMax->value());
    minChanged(ui_->sldmin->value());
    lrMinFramesChanged(ui_->SldLRminFrames->value());
    tfRoughFramesChanged(ui_->SldTFRoughFrames->value());
    tfFinalFramesChanged(ui_->sldTfFinalFrames->value());

    deriveMovesIfUnset(vars, settings_.LRStepSize, settings_.StepSize);
    const MoveListUnits units = moveListUnits(settings_);
    const QList<ListEntry> deltas = deltaEntries();
    showList(*ui_->cmbLrDelta, deltas, deltaIndex(vars.LRDelta));
    showList(*ui_->cmbTfOblateDelta, deltas, deltaIndex(vars.TFOblatedelta));
    showList(*ui_->CmbTfRoughDelta, deltas, deltaIndex(vars.TFRoughDelta));

    const QList<ListEntry> knifeMoves = knifeMoveEntries(settings_, units.knife);
    showList(*ui_->cmbLrLgMove, knifeMoves, knifeMoveIndex(vars.LRLgMove, units.knife));
    showList(*ui_->cmbLrSmMove, knifeMoves, knifeMoveIndex(vars.LRSmMove, units.knife));

    const QList<ListEntry> platformMoves = platformMoveEntries(settings_, units.platform);
    showList(*ui_->cmbTfOblateMove, platformMoves,
             platformMoveIndex(vars.TFOblateMove, units.platform));
    showList(*ui_->CmbTfRoughMove, platformMoves,
             platformMoveIndex(vars.TFRoughMove, units.platform));
    showList(*ui_->cmbTfFinalMove, platformMoves,
             platformMoveIndex(vars.TFFinalMoves, units.platform));
    loadPrecision();
    loading_ = false;
    regenerateKnifeCode();
    regeneratePlatformCode();
}

void FrmAutoTest::showList(QComboBox& list, const QList<ListEntry>& entries, int index) {
    list.clear();
    for (const ListEntry& entry : entries)
        list.addItem(entry.text, entry.data);
    list.setCurrentIndex(index);
}

void FrmAutoTest::store() {
    AutoTestVariables& vars = settings_.autoTest;
    vars.Max = ui_->sldMax->value();
    vars.Min = ui_->sldmin->value();
    vars.LRMinFrames = ui_->SldLRminFrames->value();
    vars.LRDelta = selectedData(*ui_->cmbLrDelta);
    vars.LRSmMove = selectedData(*ui_->cmbLrSmMove);
    vars.LRLgMove = selectedData(*ui_->cmbLrLgMove);
    vars.TFRoughFrames = ui_->SldTFRoughFrames->value();
    vars.TFOblatedelta = selectedData(*ui_->cmbTfOblateDelta);
    vars.TFOblateMove = selectedData(*ui_->cmbTfOblateMove);
    vars.TFRoughDelta = selectedData(*ui_->CmbTfRoughDelta);
    vars.TFRoughMove = selectedData(*ui_->CmbTfRoughMove);
    vars.TFFinalFrames = ui_->sldTfFinalFrames->value();
    vars.TFFinalMoves = selectedData(*ui_->cmbTfFinalMove);
    if (precision_) {
        precision_->on = ui_->chkPrecision->isChecked();
        precision_->limit = ui_->spnPrecisionLimit->value();
        precision_->takeUp = ui_->spnPrecisionTakeUp->value();
        emit precisionStored();
    }
}

void FrmAutoTest::resetToDefaults() {
    resetAutoTestVariables(settings_);
    load();
}

void FrmAutoTest::maxChanged(int value) {
    ui_->fraMax->setTitle(QStringLiteral("Zone Maximum Intensity (Brightnes) = ") +
                          numberText(value));
    if (!loading_)
        ui_->sldmin->setValue(keepIntensityGap({value, ui_->sldmin->value()}, true).min);
    regenerateKnifeCode();
}

void FrmAutoTest::minChanged(int value) {
    ui_->fraMin->setTitle(QStringLiteral("Zone Minimum Intensity (Brightness) = ") +
                          numberText(value));
    if (!loading_)
        ui_->sldMax->setValue(keepIntensityGap({ui_->sldMax->value(), value}, false).max);
    regenerateKnifeCode();
}

void FrmAutoTest::lrMinFramesChanged(int value) {
    ui_->fraLrMinFrames->setTitle(
        QStringLiteral("Min # frames before adjusting knife In/Out (Left/Right) = ") +
        numberText(value));
    ui_->SldTFRoughFrames->setMinimum(value + 1);
    regenerateKnifeCode();
}

void FrmAutoTest::tfRoughFramesChanged(int value) {
    ui_->fraTfRoughFrames->setTitle(
        QStringLiteral("# of frames prior to rough adjust To/From distance = ") +
        numberText(value));
    ui_->sldTfFinalFrames->setMinimum(value + 1);
    regeneratePlatformCode();
}

void FrmAutoTest::tfFinalFramesChanged(int value) {
    ui_->fraTfFinalFrames->setTitle(
        QStringLiteral("Number of frames for final zone null evaluation = ") + numberText(value));
}

void FrmAutoTest::regenerateKnifeCode() {
    if (loading_)
        return;
    const KnifeCodeValues values{ui_->SldLRminFrames->value(),
                                 ui_->sldMax->value(),
                                 ui_->sldmin->value(),
                                 selectedData(*ui_->cmbLrDelta),
                                 selectedData(*ui_->cmbLrSmMove),
                                 selectedData(*ui_->cmbLrLgMove),
                                 settings_.LRStepSize};
    ui_->TxtLrData->setPlainText(forDisplay(knifePseudoCode(values)));
}

void FrmAutoTest::regeneratePlatformCode() {
    if (loading_)
        return;
    const PlatformCodeValues values{
        ui_->SldTFRoughFrames->value(),      selectedData(*ui_->cmbTfOblateDelta),
        selectedData(*ui_->cmbTfOblateMove), selectedData(*ui_->CmbTfRoughDelta),
        selectedData(*ui_->CmbTfRoughMove),  settings_.StepSize};
    ui_->TxtRough->setPlainText(forDisplay(platformPseudoCode(values)));
}

} // namespace orvane
