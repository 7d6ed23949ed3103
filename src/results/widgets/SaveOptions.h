#pragma once

#include "core/MessageBoxes.h"
#include "core/Settings.h"
#include "results/FileChooser.h"

#include <QDialog>
#include <memory>

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
    void showValues();
    void storeValues();

    std::unique_ptr<Ui::SaveOptions> ui_;
    Settings& settings_;
    FileChooser& chooser_;
    MessageBoxes& boxes_;
    QString programFolder_;
};

} // namespace orvane
