#pragma once

#include "results/FileChooser.h"
#include "results/MirrorEditorSession.h"

#include <QDialog>
#include <memory>

class QLineEdit;
class QPushButton;

namespace Ui {
class frmEdit;
}

namespace orvane {

// The mirror record editor. Open it modally from "&Add or Edit Mirror Specifications";
// a successful save has already updated the current mirror and the mirror list.
class frmEdit : public QDialog {
    Q_OBJECT
  public:
    frmEdit(MirrorEditorContext context, FileChooser& chooser, QWidget* parent = nullptr);
    ~frmEdit() override;

    MirrorEntryTexts texts() const;
    void setTexts(const MirrorEntryTexts& texts);

  private:
    // The controls under the names the code uses; the form keeps the documented names (in the
    // comments), listed in docs/NAMES.md.
    struct Controls {
        QLineEdit* nameText = nullptr;         // NName
        QLineEdit* diameterText = nullptr;     // Ndiam
        QLineEdit* rocText = nullptr;          // NRoc
        QLineEdit* conicText = nullptr;        // NCC
        QLineEdit* obstructionText = nullptr;  // Nobst
        QLineEdit* zonesText = nullptr;        // NNZ
        QLineEdit* testsRunText = nullptr;     // NSeries
        QPushButton* openFileButton = nullptr; // Command1
        QPushButton* okButton = nullptr;       // Command2
        QPushButton* applyButton = nullptr;    // Apply
        QPushButton* cancelButton = nullptr;   // CancelButton
    };

    void openExistingFile();

    std::unique_ptr<Ui::frmEdit> ui_;
    Controls controls_;
    MirrorEditorSession session_;
    FileChooser& chooser_;
};

} // namespace orvane
