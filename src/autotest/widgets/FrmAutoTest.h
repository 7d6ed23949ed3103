#pragma once

#include "autotest/PrecisionSearch.h"
#include "autotest/variables/MoveLists.h"
#include "core/Settings.h"

#include <QDialog>
#include <memory>

class QComboBox;

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
    void connectControls();
    void load();
    void store();
    void loadPrecision();
    void resetToDefaults();
    void showList(QComboBox& list, const QList<ListEntry>& entries, int index);

    void maxChanged(int value);
    void minChanged(int value);
    void lrMinFramesChanged(int value);
    void tfRoughFramesChanged(int value);
    void tfFinalFramesChanged(int value);
    void regenerateKnifeCode();
    void regeneratePlatformCode();

    Settings& settings_;
    PrecisionOptions* precision_ = nullptr;
    std::unique_ptr<Ui::FrmAutoTest> ui_;
    // Stored values are shown as they are; the controls' coupling applies to the user's changes.
    bool loading_ = false;
};

} // namespace orvane
