#include "app/gui/SetupMenuWiring.h"

#include "app/gui/MainWindow.h"
#include "app/gui/SettingsBinding.h"
#include "autotest/widgets/FrmAutoTest.h"
#include "autotest/widgets/RepetitionDialog.h"
#include "core/MessageBoxes.h"
#include "results/widgets/SaveOptions.h"
#include "setup/widgets/frmOptions.h"
#include "setup/widgets/frmsetup.h"
#include "ui_MainWindow.h"

namespace orvane {

namespace {

void bringToFront(QWidget& dialog) {
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

} // namespace

SetupMenuWiring::SetupMenuWiring(SetupWiringContext context)
    : c_(std::move(context)), chooser_(&c_.window) {
    connectMenus();
}

void SetupMenuWiring::connectMenus() {
    Ui::frmMain& ui = c_.window.ui();
    connect(ui.mnuWizard, &QAction::triggered, this, &SetupMenuWiring::openSetupDialog);
    connect(ui.MnuAuto, &QAction::triggered, this, &SetupMenuWiring::openAutoTestDialog);
    const std::pair<QAction*, PlatformMenuItem> toggles[] = {
        {ui.mnuinvert, PlatformMenuItem::Invert},
        {ui.mnuLRswap, PlatformMenuItem::ReverseLeftRight},
        {ui.mnuTFswap, PlatformMenuItem::ReverseToFrom},
        {ui.mnuSwapMotors, PlatformMenuItem::SwapMotors},
        {ui.MnuFixed, PlatformMenuItem::FixedSource}};
    for (const auto& [action, item] : toggles)
        connect(action, &QAction::triggered, this, [this, item = item] { toggle(item); });
    connect(ui.mnuKnife, &QAction::triggered, this,
            [this] { frmOptions(c_.settings, &c_.window).exec(); });
    // "&Set Distance per full step ..." has no action: the step size is set from the setup
    // dialog.
    connect(ui.mnuRecordVideo, &QAction::toggled, this, [this](bool on) {
        c_.testOptions.recordVideo = on;
        saveTestOptions();
    });
    connect(ui.mnuReps, &QAction::triggered, this, [this] { openRepetitionOptions(&c_.window); });
    connect(ui.mnuSave, &QAction::triggered, this, [this] {
        openSaveOptions(&c_.window);
        c_.saveSettings();
    });
}

void SetupMenuWiring::toggle(PlatformMenuItem item) {
    // The menu item has already flipped its own check mark; the settings decide what it shows.
    if (togglePlatformMenu(c_.settings.menus, item))
        c_.saveSettings();
    c_.binding.showPlatformMenus();
}

void SetupMenuWiring::openSetupDialog() {
    if (!setup_) {
        SetupDialogHooks hooks;
        hooks.openSaveOptions = [this](QWidget* parent) { openSaveOptions(parent); };
        hooks.openRepetitionOptions = [this](QWidget* parent) { openRepetitionOptions(parent); };
        hooks.openSaveOptionsModeless = [this] { openSaveOptionsModeless(); };
        setup_ = new frmsetup(c_.settings, c_.waitForIt, c_.messages, std::move(hooks), &c_.window);
        setup_->setAttribute(Qt::WA_DeleteOnClose);
        connect(setup_, &frmsetup::settingsChanged, &c_.binding, &SettingsBinding::showSettings);
    }
    bringToFront(*setup_);
}

void SetupMenuWiring::openAutoTestDialog() {
    if (!autoTest_) {
        autoTest_ = new FrmAutoTest(c_.settings, &c_.window);
        autoTest_->setAttribute(Qt::WA_DeleteOnClose);
        autoTest_->editPrecision(c_.testOptions.precision);
        connect(autoTest_, &FrmAutoTest::precisionStored, this, &SetupMenuWiring::saveTestOptions);
    }
    bringToFront(*autoTest_);
}

void SetupMenuWiring::openSaveOptions(QWidget* parent) {
    SaveOptions(c_.settings, chooser_, c_.messages, c_.programFolder, parent).exec();
}

void SetupMenuWiring::openSaveOptionsModeless() {
    auto* dialog =
        new SaveOptions(c_.settings, chooser_, c_.messages, c_.programFolder, &c_.window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(false); // the first run's chain leaves the window usable beside it
    bringToFront(*dialog);
}

void SetupMenuWiring::openRepetitionOptions(QWidget* parent) {
    Dialog dialog(c_.settings, parent);
    dialog.editSchedule(c_.testOptions.repeat);
    if (dialog.exec() == QDialog::Accepted)
        saveTestOptions();
}

void SetupMenuWiring::saveTestOptions() {
    if (QString problem; !orvane::saveTestOptions(c_.programFolder, c_.testOptions, &problem))
        c_.messages.show(
            {QStringLiteral("Test Options Not Saved"), problem, MessageIcon::Critical});
}

} // namespace orvane
