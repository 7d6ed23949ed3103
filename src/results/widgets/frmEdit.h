#pragma once

#include "results/FileChooser.h"
#include "results/MirrorEditorSession.h"

#include <QDialog>
#include <memory>

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
    void openExistingFile();

    std::unique_ptr<Ui::frmEdit> ui_;
    MirrorEditorSession session_;
    FileChooser& chooser_;
};

} // namespace orvane
