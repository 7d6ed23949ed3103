#pragma once

#include "core/MessageBoxes.h"
#include "core/Settings.h"

#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QSlider;

namespace Ui {
class frmsetup;
}

namespace orvane {

// Dialogs of other parts of the program that the setup dialog leads to.
struct SetupDialogHooks {
    std::function<void(QWidget* parent)> openSaveOptions;       // modal over the setup dialog
    std::function<void(QWidget* parent)> openRepetitionOptions; // modal over the setup dialog
    // The next step of the first-run chain, opened without waiting once the dialog closes.
    std::function<void()> openSaveOptionsModeless;
};

// The platform and Foucault test setup: live views of the platform menus, motor speeds and
// intensity limits, and the serial motor board's connection test. Every change lands in the
// settings at once (there is no cancel); they reach the file at its next save. Create one per
// opening; show it modeless.
class frmsetup : public QDialog {
    Q_OBJECT
  public:
    frmsetup(Settings& settings, const bool& waitForIt, MessageBoxes& messages,
             SetupDialogHooks hooks, QWidget* parent = nullptr);
    ~frmsetup() override;

    // What the dialog's 200 ms timer does: speeds and intensity limits into the settings.
    void copyControlsToSettings();

    // Closing (OK, close box, Escape) derives unset moves and continues the first-run chain.
    void done(int result) override;

  signals:
    // The platform menus, motor speeds or intensity limits were changed by the dialog.
    void settingsChanged();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    // The controls under the names the code uses; the form keeps the documented names (in the
    // comments), listed in docs/NAMES.md.
    struct Controls {
        QCheckBox* invertOutputCheck = nullptr;     // Check1
        QCheckBox* swapMotorsCheck = nullptr;       // Check2
        QCheckBox* reverseLeftRightCheck = nullptr; // Check3
        QCheckBox* reverseToFromCheck = nullptr;    // Check4
        QRadioButton* movingSourceOption = nullptr; // Option1
        QRadioButton* fixedSourceOption = nullptr;  // Option2
        QSlider* startingSpeedSlider = nullptr;     // Slider1
        QSlider* topSpeedSlider = nullptr;          // Slider2
        QSlider* accelerationSlider = nullptr;      // Slider3
        QPushButton* stepSizeButton = nullptr;      // Command1
        QPushButton* knifeSideButton = nullptr;     // Command2
        QPushButton* saveOptionsButton = nullptr;   // Command3
        QPushButton* repetitionButton = nullptr;    // Command4
        QGroupBox* maxIntensityFrame = nullptr;     // Frame3
        QGroupBox* minIntensityFrame = nullptr;     // Frame4
        QSlider* maxIntensitySlider = nullptr;      // sldMax
        QSlider* minIntensitySlider = nullptr;      // sldmin
    };

    void connectControls();
    // The Motor Board tab: the serial ports found and their connection test.
    void listSerialPorts();
    void testMotorBoard();
    void load();
    void setMenu(bool PlatformMenus::*item, bool checked);
    void swapMotorsToggled(bool ticked);
    void showIntensityCaptions();

    Settings& settings_;
    const bool& waitForIt_;
    MessageBoxes& messages_;
    SetupDialogHooks hooks_;
    std::unique_ptr<Ui::frmsetup> ui_;
    Controls controls_;
    QTimer timer_;
    // Set while the dialog exchanges the reverse boxes, so they do not write the menus.
    bool busy_ = false;
    bool maxMovedLast_ = true;
};

} // namespace orvane
