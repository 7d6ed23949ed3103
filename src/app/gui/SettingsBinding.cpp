#include "app/gui/SettingsBinding.h"

#include "app/gui/MainWindow.h"
#include "core/AppState.h"
#include "core/ProgramState.h"
#include "core/Settings.h"
#include "ui_MainWindow.h"

namespace orvane {

namespace {

void bindSlider(QSlider* slider, int& target) {
    QObject::connect(slider, &QSlider::valueChanged, slider, [&target](int v) { target = v; });
}

} // namespace

SettingsBinding::SettingsBinding(Settings& settings, ProgramState& program, MainWindow& window)
    : QObject(&window), settings_(settings), program_(program), window_(window) {
    connectControls();
}

void SettingsBinding::connectControls() {
    Ui::frmMain& ui = window_.ui();
    bindSlider(ui.Maxdelay, settings_.Maxdelay);
    bindSlider(ui.Mindelay, settings_.Mindelay);
    bindSlider(ui.sldAcell, settings_.sldAcell);
    connect(ui.Save_picture, &QCheckBox::toggled, this,
            [this](bool on) { settings_.SavePicture = on ? 1 : 0; });
    connect(ui.abort, &QCheckBox::toggled, this, [this](bool on) { program_.requestAbort(on); });
}

void SettingsBinding::showSettings() {
    Ui::frmMain& ui = window_.ui();
    const Settings s = settings_; // the sliders write back while they are set
    showPlatformMenus();
    ui.Maxdelay->setValue(s.Maxdelay);
    ui.Mindelay->setValue(s.Mindelay);
    ui.sldAcell->setValue(s.sldAcell);
    ui.Save_picture->setChecked(s.SavePicture != 0);
    showMirrorList();
    showAbort();
    window_.setLayoutFlags(s.DebugDisplay, s.MoreText);
}

void SettingsBinding::showPlatformMenus() {
    Ui::frmMain& ui = window_.ui();
    const PlatformMenus& menus = settings_.menus;
    ui.mnuinvert->setChecked(menus.invert);
    ui.mnuLRswap->setText(menus.lrSwapCaption);
    ui.mnuLRswap->setChecked(menus.lrSwap);
    ui.mnuTFswap->setText(menus.tfSwapCaption);
    ui.mnuTFswap->setChecked(menus.tfSwap);
    ui.mnuSwapMotors->setChecked(menus.swapMotors);
    ui.MnuFixed->setChecked(menus.fixedSource);
}

void SettingsBinding::showMirrorList() {
    const auto& captions = settings_.mirrorList;
    for (int i = 1; i <= MirrorListSize; ++i) {
        QAction* item = window_.mirrorListItem(i);
        item->setText(captions[i - 1]);
        item->setVisible(isMirrorSlotUsed(captions[i - 1]));
    }
}

void SettingsBinding::showAbort() {
    window_.ui().abort->setChecked(program_.abortRequested());
}

} // namespace orvane
