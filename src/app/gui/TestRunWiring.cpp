#include "app/gui/TestRunWiring.h"

#include "app/gui/VerdictWiring.h"

#include "app/gui/DisplaySync.h"
#include "app/gui/Hardware.h"
#include "app/gui/LiveLoopWiring.h"
#include "app/gui/MainState.h"
#include "app/gui/MainWindow.h"
#include "app/gui/PauseWiring.h"
#include "app/gui/ResultsWiring.h"
#include "app/gui/SettingsBinding.h"
#include "core/ProgramOptions.h"
#include "ui_MainWindow.h"

#include <QStatusBar>
#include <QTimer>

namespace orvane {

TestRunWiring::TestRunWiring(TestRunContext context)
    : c_(std::move(context)),
      rig_(c_.hardware.drivers(), c_.hardware.driver(), c_.hardware.measurer(),
           MeasuringState{c_.state.zones, c_.state.mirror, c_.settings,
                          c_.state.outputs.MotorStatus, c_.state.circle, c_.state.view,
                          c_.state.displays},
           RigDrawing::EveryFrame),
      run_(TestEnvironment{
          .rig = rig_,
          .hooks = hooks(),
          .settings = c_.settings,
          .mirror = c_.state.mirror,
          .readings = c_.state.readings,
          .program = c_.program,
          .outputs = c_.state.outputs,
          .sounds = c_.sounds,
          .messages = c_.messages,
          .clock = c_.clock,
          .programFolder = c_.programFolder,
          .recordVideo = [this] { return c_.window.ui().mnuRecordVideo->isChecked(); }}),
      steps_([this] { return runStep(); }, [this] { return c_.pause.held() || c_.live.busy(); }) {
    connect(c_.window.controls().startTestButton, &QPushButton::clicked, this,
            &TestRunWiring::onCommand3);
    QAction& record = *c_.window.ui().mnuRecordVideo;
    record.setChecked(loadProgramOptions(c_.programFolder).recordTests);
    connect(&record, &QAction::toggled, this, [this](bool on) {
        QString problem;
        if (!saveProgramOptions(c_.programFolder, {.recordTests = on}, &problem))
            c_.messages.show(
                {QStringLiteral("Save Options Problem"), problem, MessageIcon::Critical});
    });
}

TestHooks TestRunWiring::hooks() {
    TestHooks h;
    h.setLiveTimerEnabled = [this](bool on) { on ? c_.liveTimer.start() : c_.liveTimer.stop(); };
    h.setCommandsEnabled = [this](bool on) { setCommandsEnabled(on); };
    h.setSpeedGaugeVisible = [this](bool on) { c_.window.controls().speedGauge->setVisible(on); };
    h.relayout = [this] { c_.window.layOut(); };
    h.uncheckTrack = [this] { c_.window.controls().trackCheck->setChecked(false); };
    h.closeWindow = [this] {
        QMetaObject::invokeMethod(&c_.window, &QWidget::close, Qt::QueuedConnection);
    };
    // Only a completed test saves; its verdict follows.
    h.saveData = [this] {
        c_.results.saveData();
        c_.verdict.showLastTest();
    };
    return h;
}

void TestRunWiring::setCommandsEnabled(bool enabled) {
    const MainControls& controls = c_.window.controls();
    controls.startTestButton->setEnabled(enabled);
    controls.resetButton->setEnabled(enabled);
    controls.saveDataButton->setEnabled(enabled);
}

void TestRunWiring::onCommand3() {
    if (!run_.start())
        return; // already running, or no zones to test
    c_.live.hold(true);
    if (c_.hardware.cameras().brightnessAutomatic())
        c_.window.statusBar()->showMessage(AutomaticBrightnessWarning);
    c_.binding.showAbort();
    c_.display.show();
    steps_.start();
}

bool TestRunWiring::runStep() {
    c_.display.takeBoxImages();
    run_.step();
    c_.display.show();
    c_.window.showTestProgress(run_.running() ? progressLine(run_.progress()) : QString());
    if (run_.running())
        return true;
    c_.window.statusBar()->clearMessage();
    c_.live.hold(false);
    return false;
}

void TestRunWiring::abort() {
    c_.window.controls().abortCheck->setChecked(true);
    while (runStep()) {
    }
}

} // namespace orvane
