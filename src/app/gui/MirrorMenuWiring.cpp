#include "app/gui/MirrorMenuWiring.h"

#include "analysis/ZoneCalc.h"
#include "app/gui/DisplaySync.h"
#include "app/gui/MainState.h"
#include "app/gui/MainWindow.h"
#include "app/gui/SettingsBinding.h"
#include "results/MirrorSelection.h"
#include "results/widgets/frmEdit.h"
#include "ui_MainWindow.h"

namespace orvane {

MirrorMenuWiring::MirrorMenuWiring(MirrorWiringContext context)
    : c_(std::move(context)), chooser_(&c_.window) {
    connect(c_.window.ui().mnuEditMirror, &QAction::triggered, this, &MirrorMenuWiring::openEditor);
    for (int entry = 1; entry <= MirrorListSize; ++entry)
        connect(c_.window.mirrorListItem(entry), &QAction::triggered, this,
                [this, entry] { selectEntry(entry); });
}

void MirrorMenuWiring::zoneCalc() {
    MainState& state = c_.state;
    const ZoneCalcResult result =
        orvane::zoneCalc(state.mirror, c_.settings.menus.fixedSource, c_.settings.textpath);
    state.zones = result.geometry.table;
    state.outputs.readingsTable = result.readingsTable;
    c_.display.showTexts();
    c_.window.controls().saveDataButton->setEnabled(true);
}

void MirrorMenuWiring::selectEntry(int entry) {
    const MirrorSelectionContext context{
        .programFolder = c_.programFolder,
        .settings = c_.settings,
        .mirror = c_.state.mirror,
        .boxes = c_.messages,
        .zoneCalc = [this] { zoneCalc(); },
        .markZonesReady = [this] { c_.program.setZonesReady(true); },
        .relayout = [this] { c_.window.layOut(); },
        .saveSettings = c_.saveSettings};
    selectMirror(entry, context);
    c_.binding.showMirrorList();
}

void MirrorMenuWiring::openEditor() {
    MirrorEditorContext context{.programFolder = c_.programFolder,
                                .settings = c_.settings,
                                .mirror = c_.state.mirror,
                                .boxes = c_.messages,
                                .zoneCalc = [this] { zoneCalc(); },
                                .markZonesReady = [this] { c_.program.setZonesReady(true); }};
    frmEdit(std::move(context), chooser_, &c_.window).exec();
    c_.binding.showMirrorList();
}

} // namespace orvane
