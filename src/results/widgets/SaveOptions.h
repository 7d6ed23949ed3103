#pragma once

#include "core/MessageBoxes.h"
#include "core/Settings.h"
#include "results/FileChooser.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace Ui {
class SaveOptions;
}

namespace orvane {

// "Save Data Options". OK stores the nine fields into `settings`; Cancel leaves them. Saving
// the settings file afterwards is the opener's business.
class SaveOptions : public QDialog {
    Q_OBJECT
  public:
    SaveOptions(Settings& settings, FileChooser& chooser, MessageBoxes& boxes,
                QString programFolder, QWidget* parent = nullptr);
    ~SaveOptions() override;

  private:
    // The controls under the names the code uses; the form keeps the documented names (in the
    // comments), listed in docs/NAMES.md.
    struct Controls {
        QLineEdit* figure45FolderText = nullptr;       // Figure
        QPushButton* figure45BrowseButton = nullptr;   // Command1
        QCheckBox* saveFigure45Check = nullptr;        // chkSaveFigure45
        QCheckBox* launchFigure45Check = nullptr;      // chkLaunchFigure45
        QLineEdit* sixtestsFolderText = nullptr;       // SixTests
        QPushButton* sixtestsBrowseButton = nullptr;   // Command2
        QCheckBox* saveSixtestsCheck = nullptr;        // chkSaveSixtests
        QCheckBox* launchSixtestsCheck = nullptr;      // chkLaunchSixtests
        QCheckBox* launch3dCheck = nullptr;            // ChkLaunch3d
        QLineEdit* dataFolderText = nullptr;           // textpath
        QPushButton* dataFolderBrowseButton = nullptr; // Command3
        QCheckBox* saveTextCheck = nullptr;            // chktext
    };

    void showValues();
    void storeValues();

    std::unique_ptr<Ui::SaveOptions> ui_;
    Controls controls_;
    Settings& settings_;
    FileChooser& chooser_;
    MessageBoxes& boxes_;
    QString programFolder_;
};

} // namespace orvane
