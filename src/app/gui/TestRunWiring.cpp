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
#include "ui_MainWindow.h"

#include "autotest/TestProgress.h"
#include "reduction/TestReadings.h"
#include "reduction/plots/RepeatChart.h"

#include <QChartView>
#include <QStatusBar>
#include <QTimer>

namespace orvane {

namespace {
constexpr int CountdownMs = 1000;
constexpr double NsPerMinute = 60e9;
const QSize SeriesViewSize(900, 560);
} // namespace

TestRunWiring::TestRunWiring(TestRunContext context)
    : c_(std::move(context)),
      rig_(c_.hardware.drivers(), c_.hardware.driver(), c_.hardware.measurer(),
           MeasuringState{c_.state.zones, c_.state.mirror, c_.settings,
                          c_.state.outputs.MotorStatus, c_.state.circle, c_.state.view,
                          c_.state.displays},
           RigDrawing::EveryFrame),
      run_(TestEnvironment{.rig = rig_,
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
                           .precision = &c_.state.testOptions.precision,
                           .recordVideo = [this] { return c_.state.testOptions.recordVideo; }}),
      steps_([this] { return runStep(); }, [this] { return c_.pause.held() || c_.live.busy(); }) {
    connect(c_.window.controls().startTestButton, &QPushButton::clicked, this,
            &TestRunWiring::onCommand3);
    countdown_.setInterval(CountdownMs);
    connect(&countdown_, &QTimer::timeout, this, &TestRunWiring::countDown);
}

TestRunWiring::~TestRunWiring() = default;

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
    if (run_.running())
        return;
    countdown_.stop();
    seriesStartNs_ = c_.clock.nowNs();
    schedule_.emplace(c_.state.testOptions.repeat, seriesStartNs_);
    series_.clear();
    startTest();
}

void TestRunWiring::startTest() {
    testStartNs_ = c_.clock.nowNs();
    if (!run_.start()) {
        schedule_.reset(); // already running, or no zones to test
        return;
    }
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
    c_.live.hold(false);
    testEnded();
    return false;
}

void TestRunWiring::testEnded() {
    lastSummary_ = testSummaryLine(int(run_.frameLog().size()), run_.zoneSearches(),
                                   c_.clock.nowNs() - testStartNs_);
    c_.window.statusBar()->showMessage(lastSummary_);
    const bool completed = run_.finished() && !c_.program.abortRequested() && !c_.program.closing();
    if (!schedule_ || !completed) {
        schedule_.reset();
        return;
    }
    if (schedule_->count() > 1)
        addToSeries();
    if (const std::optional<qint64> next = schedule_->next(c_.clock.nowNs())) {
        nextStartNs_ = *next;
        countDown();
        countdown_.start();
    } else {
        schedule_.reset();
    }
}

void TestRunWiring::addToSeries() {
    const Settings& s = c_.settings;
    const MirrorData& mirror = c_.state.mirror;
    series_.push_back(repeatedTest(mirror.WorkNum - 1,
                                   double(testStartNs_ - seriesStartNs_) / NsPerMinute,
                                   testReadings(mirror, c_.state.zones, c_.state.readings,
                                                s.Reps + 1, s.menus.fixedSource, s.Metric)));
    if (!seriesView_) {
        seriesView_ = std::make_unique<QChartView>();
        seriesView_->setObjectName(QStringLiteral("RepeatedTests"));
        seriesView_->setWindowTitle(QStringLiteral("Repeated Tests"));
        seriesView_->setRenderHint(QPainter::Antialiasing);
        seriesView_->resize(SeriesViewSize);
    }
    QChart* old = seriesView_->chart();
    seriesView_->setChart(
        repeatChart(series_, s.Metric ? QStringLiteral("mm") : QStringLiteral("in")));
    delete old; // the view gives up the chart it had
    seriesView_->show();
}

void TestRunWiring::countDown() {
    if (c_.program.abortRequested() || c_.program.closing()) {
        countdown_.stop();
        schedule_.reset();
        c_.window.statusBar()->showMessage(QStringLiteral("Repeated tests stopped."));
        return;
    }
    const qint64 left = nextStartNs_ - c_.clock.nowNs();
    if (left > 0) {
        c_.window.statusBar()->showMessage(
            countdownLine(schedule_->started(), schedule_->count(), left) +
            QStringLiteral(". Last test: ") + lastSummary_);
        return;
    }
    countdown_.stop();
    startTest();
}

void TestRunWiring::abort() {
    c_.window.controls().abortCheck->setChecked(true);
    while (runStep()) {
    }
}

} // namespace orvane
