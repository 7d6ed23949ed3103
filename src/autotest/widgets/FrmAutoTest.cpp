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
    controls_ = {.maxIntensityFrame = ui_->fraMax,
                 .maxIntensitySlider = ui_->sldMax,
                 .minIntensityFrame = ui_->fraMin,
                 .minIntensitySlider = ui_->sldmin,
                 .knifeFramesFrame = ui_->fraLrMinFrames,
                 .knifeFramesSlider = ui_->SldLRminFrames,
                 .knifeDeltaList = ui_->cmbLrDelta,
                 .knifeSmallMoveList = ui_->cmbLrSmMove,
                 .knifeLargeMoveList = ui_->cmbLrLgMove,
                 .knifeCodeText = ui_->TxtLrData,
                 .roughFramesFrame = ui_->fraTfRoughFrames,
                 .roughFramesSlider = ui_->SldTFRoughFrames,
                 .forwardDeltaList = ui_->cmbTfOblateDelta,
                 .forwardMoveList = ui_->cmbTfOblateMove,
                 .awayDeltaList = ui_->CmbTfRoughDelta,
                 .awayMoveList = ui_->CmbTfRoughMove,
                 .roughCodeText = ui_->TxtRough,
                 .finalFramesFrame = ui_->fraTfFinalFrames,
                 .finalFramesSlider = ui_->sldTfFinalFrames,
                 .finalMoveList = ui_->cmbTfFinalMove,
                 .resetDefaultsButton = ui_->Command1};
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    controls_.knifeCodeText->setFont(fixed);
    controls_.roughCodeText->setFont(fixed);
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
    connect(controls_.maxIntensitySlider, &QSlider::valueChanged, this, &FrmAutoTest::maxChanged);
    connect(controls_.minIntensitySlider, &QSlider::valueChanged, this, &FrmAutoTest::minChanged);
    connect(controls_.knifeFramesSlider, &QSlider::valueChanged, this,
            &FrmAutoTest::knifeFramesChanged);
    connect(controls_.roughFramesSlider, &QSlider::valueChanged, this,
            &FrmAutoTest::roughFramesChanged);
    connect(controls_.finalFramesSlider, &QSlider::valueChanged, this,
            &FrmAutoTest::finalFramesChanged);
    for (QComboBox* list :
         {controls_.knifeDeltaList, controls_.knifeSmallMoveList, controls_.knifeLargeMoveList})
        connect(list, &QComboBox::currentIndexChanged, this, &FrmAutoTest::regenerateKnifeCode);
    for (QComboBox* list : {controls_.forwardDeltaList, controls_.forwardMoveList,
                            controls_.awayDeltaList, controls_.awayMoveList})
        connect(list, &QComboBox::currentIndexChanged, this, &FrmAutoTest::regeneratePlatformCode);
    connect(ui_->cmdOK, &QPushButton::clicked, this, [this] {
        store();
        accept();
    });
    connect(ui_->cmdApply, &QPushButton::clicked, this, &FrmAutoTest::store);
    connect(ui_->cmdCancel, &QPushButton::clicked, this, &FrmAutoTest::reject);
    connect(controls_.resetDefaultsButton, &QPushButton::clicked, this,
            &FrmAutoTest::resetToDefaults);
}

void FrmAutoTest::load() {
    AutoTestVariables& vars = settings_.autoTest;
    loading_ = true;
    controls_.maxIntensitySlider->setValue(vars.Max);
    controls_.minIntensitySlider->setValue(vars.Min);
    // Each frame slider raises the next one's minimum, so they are set in this order.
    controls_.knifeFramesSlider->setValue(vars.LRMinFrames);
    controls_.roughFramesSlider->setValue(vars.TFRoughFrames);
    controls_.finalFramesSlider->setValue(vars.TFFinalFrames);
    maxChanged(controls_.maxIntensitySlider->value());
    minChanged(controls_.minIntensitySlider->value());
    knifeFramesChanged(controls_.knifeFramesSlider->value());
    roughFramesChanged(controls_.roughFramesSlider->value());
    finalFramesChanged(controls_.finalFramesSlider->value());

    deriveMovesIfUnset(vars, settings_.LRStepSize, settings_.StepSize);
    const MoveListUnits units = moveListUnits(settings_);
    const QList<ListEntry> deltas = deltaEntries();
    showList(*controls_.knifeDeltaList, deltas, deltaIndex(vars.LRDelta));
    showList(*controls_.forwardDeltaList, deltas, deltaIndex(vars.TFOblatedelta));
    showList(*controls_.awayDeltaList, deltas, deltaIndex(vars.TFRoughDelta));

    const QList<ListEntry> knifeMoves = knifeMoveEntries(settings_, units.knife);
    showList(*controls_.knifeLargeMoveList, knifeMoves, knifeMoveIndex(vars.LRLgMove, units.knife));
    showList(*controls_.knifeSmallMoveList, knifeMoves, knifeMoveIndex(vars.LRSmMove, units.knife));

    const QList<ListEntry> platformMoves = platformMoveEntries(settings_, units.platform);
    showList(*controls_.forwardMoveList, platformMoves,
             platformMoveIndex(vars.TFOblateMove, units.platform));
    showList(*controls_.awayMoveList, platformMoves,
             platformMoveIndex(vars.TFRoughMove, units.platform));
    showList(*controls_.finalMoveList, platformMoves,
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
    vars.Max = controls_.maxIntensitySlider->value();
    vars.Min = controls_.minIntensitySlider->value();
    vars.LRMinFrames = controls_.knifeFramesSlider->value();
    vars.LRDelta = selectedData(*controls_.knifeDeltaList);
    vars.LRSmMove = selectedData(*controls_.knifeSmallMoveList);
    vars.LRLgMove = selectedData(*controls_.knifeLargeMoveList);
    vars.TFRoughFrames = controls_.roughFramesSlider->value();
    vars.TFOblatedelta = selectedData(*controls_.forwardDeltaList);
    vars.TFOblateMove = selectedData(*controls_.forwardMoveList);
    vars.TFRoughDelta = selectedData(*controls_.awayDeltaList);
    vars.TFRoughMove = selectedData(*controls_.awayMoveList);
    vars.TFFinalFrames = controls_.finalFramesSlider->value();
    vars.TFFinalMoves = selectedData(*controls_.finalMoveList);
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
    controls_.maxIntensityFrame->setTitle(QStringLiteral("Zone Maximum Intensity (Brightnes) = ") +
                                          numberText(value));
    if (!loading_)
        controls_.minIntensitySlider->setValue(
            keepIntensityGap({value, controls_.minIntensitySlider->value()}, true).min);
    regenerateKnifeCode();
}

void FrmAutoTest::minChanged(int value) {
    controls_.minIntensityFrame->setTitle(QStringLiteral("Zone Minimum Intensity (Brightness) = ") +
                                          numberText(value));
    if (!loading_)
        controls_.maxIntensitySlider->setValue(
            keepIntensityGap({controls_.maxIntensitySlider->value(), value}, false).max);
    regenerateKnifeCode();
}

void FrmAutoTest::knifeFramesChanged(int value) {
    controls_.knifeFramesFrame->setTitle(
        QStringLiteral("Min # frames before adjusting knife In/Out (Left/Right) = ") +
        numberText(value));
    controls_.roughFramesSlider->setMinimum(value + 1);
    regenerateKnifeCode();
}

void FrmAutoTest::roughFramesChanged(int value) {
    controls_.roughFramesFrame->setTitle(
        QStringLiteral("# of frames prior to rough adjust To/From distance = ") +
        numberText(value));
    controls_.finalFramesSlider->setMinimum(value + 1);
    regeneratePlatformCode();
}

void FrmAutoTest::finalFramesChanged(int value) {
    controls_.finalFramesFrame->setTitle(
        QStringLiteral("Number of frames for final zone null evaluation = ") + numberText(value));
}

void FrmAutoTest::regenerateKnifeCode() {
    if (loading_)
        return;
    const KnifeCodeValues values{controls_.knifeFramesSlider->value(),
                                 controls_.maxIntensitySlider->value(),
                                 controls_.minIntensitySlider->value(),
                                 selectedData(*controls_.knifeDeltaList),
                                 selectedData(*controls_.knifeSmallMoveList),
                                 selectedData(*controls_.knifeLargeMoveList),
                                 settings_.LRStepSize};
    controls_.knifeCodeText->setPlainText(forDisplay(knifePseudoCode(values)));
}

void FrmAutoTest::regeneratePlatformCode() {
    if (loading_)
        return;
    const PlatformCodeValues values{
        controls_.roughFramesSlider->value(),     selectedData(*controls_.forwardDeltaList),
        selectedData(*controls_.forwardMoveList), selectedData(*controls_.awayDeltaList),
        selectedData(*controls_.awayMoveList),    settings_.StepSize};
    controls_.roughCodeText->setPlainText(forDisplay(platformPseudoCode(values)));
}

} // namespace orvane
