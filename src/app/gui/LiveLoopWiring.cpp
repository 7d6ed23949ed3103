#include "app/gui/LiveLoopWiring.h"

#include "app/gui/DisplaySync.h"
#include "app/gui/Hardware.h"
#include "app/gui/MainState.h"
#include "app/gui/MainWindow.h"
#include "app/gui/PauseWiring.h"
#include "app/gui/PictureBox.h"
#include "core/MessageBoxes.h"
#include "live/AutoCentreMarks.h"
#include "live/ResetScreen.h"
#include "ui_MainWindow.h"

#include <QMouseEvent>
#include <QScopedValueRollback>

namespace orvane {

namespace {

QString circleKeptText(AutoCentreStatus status) {
    return status == AutoCentreStatus::NoFrame
               ? QStringLiteral("The camera gave no picture, so the circle was kept.")
               : QStringLiteral("No mirror edge was found around the click, so the circle was "
                                "kept.");
}

} // namespace

LiveLoopWiring::LiveLoopWiring(LiveLoopContext context)
    : c_(context),
      loop_(LiveLoopState{c_.program, c_.settings, c_.state.mirror, c_.state.zones, c_.state.circle,
                          c_.state.view, c_.state.outputs.MotorStatus, c_.state.displays},
            LiveLoopDevices{c_.hardware.drivers(), c_.hardware.jogDrive(), c_.hardware.keys(),
                            c_.clock, noPump_},
            c_.hardware.measurer()),
      passes_([this] { return runPass(); }, [this] { return heldByTest_ || c_.pause.held(); }),
      keys_(c_.hardware.keys(), c_.window) {
    connectControls();
}

void LiveLoopWiring::connectControls() {
    Ui::frmMain& ui = c_.window.ui();
    const MainControls& controls = c_.window.controls();
    MainState& state = c_.state;
    connect(controls.averagingSlider, &QSlider::valueChanged, this, [this](int frames) {
        c_.hardware.measurer().setFramesToAverage(frames);
        showAveraging();
        c_.display.showPictures();
    });
    connect(controls.trackCheck, &QCheckBox::toggled, this,
            [&state](bool on) { state.view.tracking = on; });
    connect(ui.MnuBars, &QAction::triggered, this, &LiveLoopWiring::toggleBars);
    connect(controls.mirrorX, &QSlider::valueChanged, this,
            [&state](int v) { state.circle.x = v; });
    connect(controls.mirrorY, &QSlider::valueChanged, this,
            [&state](int v) { state.circle.y = v; });
    connect(controls.mirrorRadius, &QSlider::valueChanged, this,
            [&state](int v) { state.circle.radius = v; });
    connect(controls.resetButton, &QPushButton::clicked, this, &LiveLoopWiring::reset);
    controls.liveView->installEventFilter(this);
}

void LiveLoopWiring::onLiveTimer() {
    if (passes_.active() || heldByTest_ || c_.pause.held())
        return;
    if (runPass())
        passes_.start();
}

bool LiveLoopWiring::runPass() {
    if (busy_)
        return true;
    const bool starting = !loop_.running();
    LoopOutcome outcome;
    {
        const QScopedValueRollback guard(busy_, true);
        c_.display.takeBoxImages();
        outcome = loop_.timerTick();
    }
    if (starting && loop_.running())
        showAveraging(); // the loop starts averaging 10 frames
    c_.display.show();
    if (outcome == LoopOutcome::CloseWindow && c_.window.isVisible())
        QMetaObject::invokeMethod(&c_.window, &QWidget::close, Qt::QueuedConnection);
    return outcome == LoopOutcome::Running;
}

void LiveLoopWiring::showAveraging() {
    const ZoneMeasurer& measurer = c_.hardware.measurer();
    c_.state.displays.averagingCaption = averagingCaption(measurer.framesToAverage());
    c_.state.displays.averagingSliderPosition = measurer.framesToAverage();
}

void LiveLoopWiring::toggleBars() {
    c_.state.view.barsOff = !c_.state.view.barsOff;
    c_.window.controls().zoneBars->clear();
}

void LiveLoopWiring::reset() {
    c_.display.takeBoxImages();
    resetZoneEvaluation(c_.state.displays.zoneBars, c_.program, c_.state.outputs.readingsTable,
                        c_.hardware.jogDrive());
    c_.window.controls().saveDataButton->setEnabled(false);
    c_.display.show();
}

void LiveLoopWiring::autoCentre(QPointF click) {
    // The camera is the test's, or a driver dialog's, unless the program is live (or paused
    // while live).
    if (c_.program.heldMode() != ProgramMode::Live || busy_)
        return;
    const AutoCentreResult result = autoCentreAndMark(c_.hardware.drivers(), click, c_.state.circle,
                                                      c_.state.displays.liveView);
    c_.display.showPictures();
    c_.display.showCircle();
    if (result.status != AutoCentreStatus::Accepted)
        c_.messages.show({QStringLiteral("Auto Center-Size"), circleKeptText(result.status),
                          MessageIcon::Information});
}

bool LiveLoopWiring::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched == c_.window.controls().liveView)
        autoCentre(static_cast<QMouseEvent*>(event)->position());
    return QObject::eventFilter(watched, event);
}

} // namespace orvane
