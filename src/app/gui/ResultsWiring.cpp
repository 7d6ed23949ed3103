#include "app/gui/ResultsWiring.h"

#include "app/gui/Hardware.h"

#include "app/gui/MainState.h"
#include "app/gui/MainWindow.h"
#include "core/MessageBoxes.h"
#include "results/SaveData.h"
#include "ui_MainWindow.h"

namespace orvane {

ResultsWiring::ResultsWiring(ResultsWiringContext context)
    : c_(std::move(context)), launcher_(c_.messages), keys_(c_.messages) {
    connect(c_.window.controls().saveDataButton, &QPushButton::clicked, this,
            &ResultsWiring::onCommand5);
}

void ResultsWiring::onCommand5() {
    const QString why = nothingToSave(c_.state.mirror, c_.state.readings);
    if (why.isEmpty())
        saveData();
    else
        c_.messages.show({QStringLiteral("Nothing to Save"), why, MessageIcon::Information});
}

void ResultsWiring::saveData() {
    MainState& state = c_.state;
    orvane::saveData(ResultsContext{
        .programFolder = c_.programFolder,
        .settings = c_.settings,
        .mirror = state.mirror,
        .zones = state.zones,
        .readings = state.readings,
        .TestStdDeviation = state.outputs.TestStdDeviation,
        .boxes = c_.messages,
        .launcher = launcher_,
        .keys = keys_,
        .clock = c_.clock,
        .pump = c_.pump,
        .simulatedBench = state.displays.simulatedBench,
        .motorPort = c_.hardware.motorPortName(),
        .camera = c_.hardware.drivers().driverName(c_.settings.VidSource).value_or(QString()),
        .readingErrors = state.outputs.precision ? &state.outputs.readingErrors : nullptr});
}

} // namespace orvane
