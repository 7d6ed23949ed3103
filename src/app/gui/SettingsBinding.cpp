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
    const MainControls& controls = window_.controls();
    bindSlider(controls.slowestDelay, settings_.Maxdelay);
    bindSlider(controls.fastestDelay, settings_.Mindelay);
    bindSlider(controls.acceleration, settings_.sldAcell);
    connect(controls.savePicturesCheck, &QCheckBox::toggled, this,
            [this](bool on) { settings_.SavePicture = on ? 1 : 0; });
    connect(controls.abortCheck, &QCheckBox::toggled, this,
            [this](bool on) { program_.requestAbort(on); });
}

void SettingsBinding::showSettings() {
    const MainControls& controls = window_.controls();
    const Settings s = settings_; // the sliders write back while they are set
    showPlatformMenus();
    controls.slowestDelay->setValue(s.Maxdelay);
    controls.fastestDelay->setValue(s.Mindelay);
    controls.acceleration->setValue(s.sldAcell);
    controls.savePicturesCheck->setChecked(s.SavePicture != 0);
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
    window_.controls().abortCheck->setChecked(program_.abortRequested());
}

} // namespace orvane
