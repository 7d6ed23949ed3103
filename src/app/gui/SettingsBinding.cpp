#include "app/gui/SettingsBinding.h"

#include "app/core/AppState.h"
#include "app/core/Settings.h"
#include "app/gui/MainWindow.h"
#include "ui_MainWindow.h"

namespace orvane {

namespace {

void bindCheck(QAction* action, bool& target) {
    QObject::connect(action, &QAction::toggled, action, [&target](bool on) { target = on; });
}

void bindSlider(QSlider* slider, int& target) {
    QObject::connect(slider, &QSlider::valueChanged, slider, [&target](int v) { target = v; });
}

void bindCaption(QAction* action, QString& target) {
    QObject::connect(action, &QAction::changed, action,
                     [action, &target] { target = action->text(); });
}

} // namespace

SettingsBinding::SettingsBinding(Settings& settings, RunFlags& flags, MainWindow& window)
    : QObject(&window), settings_(settings), flags_(flags), window_(window) {
    connectControls();
}

void SettingsBinding::connectControls() {
    Ui::frmMain& ui = window_.ui();
    PlatformMenus& menus = settings_.menus;
    bindCheck(ui.mnuinvert, menus.invert);
    bindCheck(ui.mnuLRswap, menus.lrSwap);
    bindCheck(ui.mnuTFswap, menus.tfSwap);
    bindCheck(ui.mnuSwapMotors, menus.swapMotors);
    bindCheck(ui.MnuFixed, menus.fixedSource);
    bindCaption(ui.mnuLRswap, menus.lrSwapCaption);
    bindCaption(ui.mnuTFswap, menus.tfSwapCaption);
    for (int i = 1; i <= MirrorListSize; ++i)
        bindCaption(window_.mirrorListItem(i), settings_.mirrorList[i - 1]);
    bindSlider(ui.Maxdelay, settings_.Maxdelay);
    bindSlider(ui.Mindelay, settings_.Mindelay);
    bindSlider(ui.sldAcell, settings_.sldAcell);
    connect(ui.Save_picture, &QCheckBox::toggled, this,
            [this](bool on) { settings_.SavePicture = on ? 1 : 0; });
    connect(ui.abort, &QCheckBox::toggled, this, [this](bool on) { flags_.abort = on; });
}

void SettingsBinding::showSettings() {
    Ui::frmMain& ui = window_.ui();
    const Settings s = settings_; // the controls write back while they are set
    ui.mnuinvert->setChecked(s.menus.invert);
    ui.mnuLRswap->setText(s.menus.lrSwapCaption);
    ui.mnuLRswap->setChecked(s.menus.lrSwap);
    ui.mnuTFswap->setText(s.menus.tfSwapCaption);
    ui.mnuTFswap->setChecked(s.menus.tfSwap);
    ui.mnuSwapMotors->setChecked(s.menus.swapMotors);
    ui.MnuFixed->setChecked(s.menus.fixedSource);
    ui.Maxdelay->setValue(s.Maxdelay);
    ui.Mindelay->setValue(s.Mindelay);
    ui.sldAcell->setValue(s.sldAcell);
    ui.Save_picture->setChecked(s.SavePicture != 0);
    showMirrorList();
    showAbort();
    window_.setLayoutFlags(s.DebugDisplay, s.MoreText);
}

void SettingsBinding::showMirrorList() {
    const auto captions = settings_.mirrorList;
    for (int i = 1; i <= MirrorListSize; ++i) {
        QAction* item = window_.mirrorListItem(i);
        item->setText(captions[i - 1]);
        item->setVisible(isMirrorSlotUsed(captions[i - 1]));
    }
}

void SettingsBinding::showAbort() {
    window_.ui().abort->setChecked(flags_.abort);
}

} // namespace orvane
