#include "app/cli/HeadlessTestRun.h"

#include "analysis/ZoneCalc.h"
#include "autotest/NullSearch.h"
#include "autotest/TestOptions.h"
#include "autotest/variables/DerivedMoves.h"
#include "core/HardwareConfig.h"
#include "core/NumberText.h"
#include "core/SettingsFile.h"
#include "results/MirrorRecord.h"

#include <QFileInfo>
#include <numeric>

namespace orvane {

namespace {
constexpr int BenchCamera = 0;
// The click of auto centre-size: the middle of the picture, where the mirror is set up.
const QPointF PictureCentre(160, 120);
const QString SetupTitle = QStringLiteral("Headless Run");
} // namespace

HeadlessTestRun::HeadlessTestRun(HeadlessOptions options, MessageBoxes& messages)
    : options_(std::move(options)), messages_(messages), automation_(messages), measurer_(clock_) {}

HeadlessTestRun::~HeadlessTestRun() = default;

bool HeadlessTestRun::prepare() {
    if (!checkProgramFolder())
        return false;
    loadSettings();
    if (!loadMirror() || !connectBench() || !placeCircle())
        return false;
    computeZones();
    view_.tracking = options_.track;
    buildTest();
    return true;
}

bool HeadlessTestRun::checkProgramFolder() {
    const QFileInfo folder(options_.programFolder);
    const char* problem = !folder.exists()                                 ? "does not exist"
                          : !folder.isDir()                                ? "is not a folder"
                          : !folder.isReadable() || !folder.isExecutable() ? "cannot be read"
                                                                           : nullptr;
    if (!problem)
        return true;
    messages_.show({SetupTitle,
                    QStringLiteral("The program folder \"%1\" %2.")
                        .arg(options_.programFolder, QLatin1String(problem)),
                    MessageIcon::Critical});
    return false;
}

void HeadlessTestRun::loadSettings() {
    // No dialogs to open: a missing file leaves the first-run defaults.
    LoadSettings(settings_, options_.programFolder, messages_);
    deriveMovesIfUnset(settings_.autoTest, settings_.LRStepSize, settings_.StepSize);
    if (options_.sets)
        settings_.Reps = *options_.sets - 1;
    const TestOptionsLoad test = loadTestOptions(options_.programFolder);
    for (const QString& warning : test.warnings)
        messages_.show({SetupTitle, warning, MessageIcon::Exclamation});
    precision_ = test.options.precision;
    precision_.on = precision_.on || options_.precision;
}

bool HeadlessTestRun::loadMirror() {
    const MirrorRecordRead read =
        readMirrorRecord(mirrorRecordPath(options_.programFolder, options_.mirror), mirror_);
    for (const QString& note : read.notes)
        messages_.show({SetupTitle, note, MessageIcon::Information});
    if (!read.loaded)
        messages_.show({SetupTitle, read.problem, MessageIcon::Critical});
    return read.loaded;
}

bool HeadlessTestRun::connectBench() {
    // A bench asked for by name that cannot be had is no test of that bench.
    if (QString error;
        !options_.benchFile.isEmpty() && !loadBenchConfig(options_.benchFile, &error)) {
        messages_.show({SetupTitle, error, MessageIcon::Critical});
        return false;
    }
    HardwareConfigLoad hardware = loadHardwareConfig(options_.programFolder);
    for (const QString& warning : hardware.warnings)
        messages_.show({SetupTitle, warning, MessageIcon::Exclamation});
    // The camera is the simulated bench, so its motors must be the bench's too: directly or
    // through the motor board's simulator.
    if (!hardware.config.simulatedBoard())
        hardware.config.portBackend = PortBackend::Bench;
    workbench_ = std::make_unique<Workbench>(
        hardware.config, options_.benchFile, settings_.menus, clock_,
        [this] { return settings_.Mindelay; },
        [this](const QString& failure) {
            messages_.show({SetupTitle, failure + QStringLiteral(" The test is aborted."),
                            MessageIcon::Critical});
            program_.requestAbort(true);
        });
    for (const QString& problem : workbench_->problems())
        messages_.show({SetupTitle, problem, MessageIcon::Exclamation});
    displays_.simulatedBench = workbench_->simulatedBench(true);
    return bench().connectDriver(BenchCamera);
}

bool HeadlessTestRun::placeCircle() {
    if (options_.circle) {
        circle_ = *options_.circle;
        circleSource_ = CircleSource::CommandLine;
        return true;
    }
    // The knife has to be out of the beam, or the darkened part hides the mirror's edge.
    const int outOfBeam = settings_.KnifeRight ? 1 : -1;
    clearanceSteps_ = halfStepsFor(KnifeClearance, settings_.LRStepSize);
    driver().writeMotorOutput();
    stepKnife(outOfBeam, clearanceSteps_);
    QImage still;
    const AutoCentreResult found = autoCentreFromCamera(bench(), PictureCentre, circle_, still);
    stepKnife(-outOfBeam, clearanceSteps_);
    driver().releaseMotors();
    circleSource_ = CircleSource::AutoCentre;
    if (found.status == AutoCentreStatus::Accepted)
        return true;
    messages_.show({SetupTitle,
                    QStringLiteral("Auto centre-size found no mirror around the picture's centre "
                                   "(centre %1,%2, radius %3). Give the circle with --circle "
                                   "X,Y,R.")
                        .arg(found.cx)
                        .arg(found.cy)
                        .arg(found.radius),
                    MessageIcon::Critical});
    return false;
}

void HeadlessTestRun::stepKnife(int phase, int count) {
    for (int i = 0; i < count; ++i) {
        driver().stepKnife(phase);
        driver().stepWait(NullSearch::KnifeWait);
    }
}

void HeadlessTestRun::computeZones() {
    const ZoneCalcResult calc = zoneCalc(mirror_, settings_.menus.fixedSource, settings_.textpath);
    zones_ = calc.geometry.table;
    perfectFactor_ = calc.PerfectFactor;
    outputs_.readingsTable = calc.readingsTable;
    program_.setZonesReady(true);
}

void HeadlessTestRun::buildTest() {
    rig_ = std::make_unique<MeasuringRig>(
        bench(), driver(), measurer_,
        MeasuringState{zones_, mirror_, settings_, outputs_.MotorStatus, circle_, view_, displays_},
        RigDrawing::ForSavedPictures);
    TestHooks hooks;
    hooks.uncheckTrack = [this] { view_.tracking = false; };
    hooks.saveData = [this] { saveResults(); };
    test_ = std::make_unique<TestRun>(TestEnvironment{
        *rig_, hooks, settings_, mirror_, readings_, program_, outputs_, sounds_, messages_, clock_,
        options_.programFolder, &precision_, [this] { return options_.record; }});
}

void HeadlessTestRun::saveResults() {
    saveResult_ = saveData(
        ResultsContext{.programFolder = options_.programFolder,
                       .settings = settings_,
                       .mirror = mirror_,
                       .zones = zones_,
                       .readings = readings_,
                       .TestStdDeviation = outputs_.TestStdDeviation,
                       .boxes = messages_,
                       .launcher = automation_,
                       .keys = automation_,
                       .clock = clock_,
                       .pump = pump_,
                       .simulatedBench = displays_.simulatedBench,
                       .readingErrors = outputs_.precision ? &outputs_.readingErrors : nullptr});
}

bool HeadlessTestRun::run() {
    testStartNs_ = clock_.nowNs();
    framesPerZone_.clear();
    countedSet_ = -1;
    countedZone_ = -1;
    saveResult_.reset();
    if (!test_ || !test_->start())
        return false;
    while (test_->running()) {
        stepCounted();
        if (operator_)
            operator_();
    }
    return testCompleted() && dataSaved();
}

// One step of the test, its frames and half-steps counted against the zone it searched.
void HeadlessTestRun::stepCounted() {
    const int set = test_->currentSet();
    const int zone = test_->currentZone();
    const bool searching = zone >= 1 && zone <= mirror_.NZ;
    if (searching && (set != countedSet_ || zone != countedZone_)) {
        countedSet_ = set;
        countedZone_ = zone;
        framesPerZone_.append(0);
        halfStepsInZone_ = 0;
    }
    const int framesBefore = rig_->framesGrabbed();
    const qint64 halfStepsBefore = rig_->halfSteps();
    test_->step();
    if (searching && !framesPerZone_.isEmpty()) {
        framesPerZone_.last() += rig_->framesGrabbed() - framesBefore;
        halfStepsInZone_ += rig_->halfSteps() - halfStepsBefore;
    }
    const QString limit = limitReached(searching ? zone : 0);
    if (!limit.isEmpty() && !program_.abortRequested()) {
        messages_.show({SetupTitle, limit + QStringLiteral(": the test is aborted."),
                        MessageIcon::Exclamation});
        program_.requestAbort(true);
    }
}

// What an operator watching would abort on now, or nothing: a zone without a null after so
// many frames or half-steps, or a test that has run too long. Frames count as a real camera's,
// motor waits as the virtual clock has run them: either costs a headless run wall time.
QString HeadlessTestRun::limitReached(int zone) const {
    if (zone > 0 && framesPerZone_.last() > options_.framesPerZoneLimit)
        return QStringLiteral("No null of zone %1 in %2 frames")
            .arg(zone)
            .arg(options_.framesPerZoneLimit);
    if (zone > 0 && halfStepsInZone_ > options_.halfStepsPerZoneLimit)
        return QStringLiteral("No null of zone %1 in %2 half-steps of the motors")
            .arg(zone)
            .arg(options_.halfStepsPerZoneLimit);
    if (virtualSeconds() / 60 > options_.minutesPerTestLimit)
        return QStringLiteral("The test has run %1 minutes of camera and motor time")
            .arg(numberText(options_.minutesPerTestLimit));
    return {};
}

double HeadlessTestRun::virtualSeconds() const {
    constexpr double CameraFramesPerSecond = 30;
    return double(clock_.nowNs() - testStartNs_) / 1e9 + framesMeasured() / CameraFramesPerSecond;
}

int HeadlessTestRun::framesMeasured() const {
    return std::accumulate(framesPerZone_.begin(), framesPerZone_.end(), 0);
}

bool HeadlessTestRun::testCompleted() const {
    return test_ && test_->finished() && !program_.abortRequested();
}

bool HeadlessTestRun::dataSaved() const {
    return saveResult_ && saveResult_->configured && !saveResult_->SaveProblem;
}

} // namespace orvane
