#pragma once

#include "core/MessageBoxes.h"
#include "core/Settings.h"

#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

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
    QTimer timer_;
    // Set while the dialog exchanges the reverse boxes, so they do not write the menus.
    bool busy_ = false;
    bool maxMovedLast_ = true;
};

} // namespace orvane
