#pragma once

#include "autotest/PrecisionSearch.h"
#include "autotest/variables/MoveLists.h"
#include "core/Settings.h"

#include <QDialog>
#include <memory>

class QComboBox;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QSlider;

namespace Ui {
class FrmAutoTest;
}

namespace orvane {

// Edits the null search's tuning values, and the precision search's choice when asked to. Opening
// loads them (deriving moves never set); OK and Apply store the controls into the settings and the
// precision options, Cancel discards them. Create one per opening.
class FrmAutoTest : public QDialog {
    Q_OBJECT
  public:
    explicit FrmAutoTest(Settings& settings, QWidget* parent = nullptr);
    ~FrmAutoTest() override;

    // Shows the precision search's choice too, stored with the rest.
    void editPrecision(PrecisionOptions& precision);

  signals:
    // The precision options were stored and are to be saved.
    void precisionStored();

  private:
    // The controls under the names the code uses; the form keeps the documented names (in the
    // comments), listed in docs/NAMES.md.
    struct Controls {
        QGroupBox* maxIntensityFrame = nullptr;     // fraMax
        QSlider* maxIntensitySlider = nullptr;      // sldMax
        QGroupBox* minIntensityFrame = nullptr;     // fraMin
        QSlider* minIntensitySlider = nullptr;      // sldmin
        QGroupBox* knifeFramesFrame = nullptr;      // fraLrMinFrames
        QSlider* knifeFramesSlider = nullptr;       // SldLRminFrames
        QComboBox* knifeDeltaList = nullptr;        // cmbLrDelta
        QComboBox* knifeSmallMoveList = nullptr;    // cmbLrSmMove
        QComboBox* knifeLargeMoveList = nullptr;    // cmbLrLgMove
        QPlainTextEdit* knifeCodeText = nullptr;    // TxtLrData
        QGroupBox* roughFramesFrame = nullptr;      // fraTfRoughFrames
        QSlider* roughFramesSlider = nullptr;       // SldTFRoughFrames
        QComboBox* forwardDeltaList = nullptr;      // cmbTfOblateDelta
        QComboBox* forwardMoveList = nullptr;       // cmbTfOblateMove
        QComboBox* awayDeltaList = nullptr;         // CmbTfRoughDelta
        QComboBox* awayMoveList = nullptr;          // CmbTfRoughMove
        QPlainTextEdit* roughCodeText = nullptr;    // TxtRough
        QGroupBox* finalFramesFrame = nullptr;      // fraTfFinalFrames
        QSlider* finalFramesSlider = nullptr;       // sldTfFinalFrames
        QComboBox* finalMoveList = nullptr;         // cmbTfFinalMove
        QPushButton* resetDefaultsButton = nullptr; // Command1
    };

    void connectControls();
    void load();
    void store();
    void loadPrecision();
    void resetToDefaults();
    void showList(QComboBox& list, const QList<ListEntry>& entries, int index);

    void maxChanged(int value);
    void minChanged(int value);
    void knifeFramesChanged(int value);
    void roughFramesChanged(int value);
    void finalFramesChanged(int value);
    void regenerateKnifeCode();
    void regeneratePlatformCode();

    Settings& settings_;
    PrecisionOptions* precision_ = nullptr;
    std::unique_ptr<Ui::FrmAutoTest> ui_;
    Controls controls_;
    // Stored values are shown as they are; the controls' coupling applies to the user's changes.
    bool loading_ = false;
};

} // namespace orvane
