#include "app/shell/StartupSequence.h"

#include "app/shell/SoundCues.h"
#include "app/shell/SplashView.h"
#include "core/Clock.h"
#include "core/EventPump.h"
#include "core/ProgramState.h"
#include "core/Settings.h"
#include "core/SoundPlayer.h"

namespace orvane {

namespace {

constexpr int ProgressDots = 10;
constexpr double DotWaitMs = 100;

void call(const std::function<void()>& hook) {
    if (hook)
        hook();
}

// The search's tuning values before the file is read; Max and Min are not among them.
void applyBuiltInAutoTestValues(AutoTestVariables& variables) {
    const AutoTestVariables builtIn;
    const int max = variables.Max;
    const int min = variables.Min;
    variables = builtIn;
    variables.Max = max;
    variables.Min = min;
}

} // namespace

StartupSequence::StartupSequence(ProgramState& state, Settings& settings, SplashView& splash,
                                 SoundPlayer& sound, Clock& clock, EventPump& pump,
                                 QString programFolder, StartupHooks hooks)
    : state_(state), settings_(settings), splash_(splash), sound_(sound), clock_(clock),
      pump_(pump), programFolder_(std::move(programFolder)), hooks_(std::move(hooks)) {}

std::optional<SettingsLoadResult> StartupSequence::run() {
    call(hooks_.helpInit);
    if (state_.closing()) {
        state_.requestAbort(true);
        return std::nullopt;
    }
    call(hooks_.fitToScreen);

    showProgress(QStringLiteral("Loading Data from Disk"), SoundCue::LoadingData);
    showProgress(QStringLiteral("Initializing Video"), SoundCue::InitializingVideo);

    applyBuiltInAutoTestValues(settings_.autoTest);
    call(hooks_.fillPhaseTable);
    SettingsLoadResult loaded;
    if (hooks_.loadSettings)
        loaded = hooks_.loadSettings();
    call(hooks_.connectCapture);

    setStatus(QStringLiteral("Initialization Complete!"));
    sound_.playWait(soundFilePath(programFolder_, SoundCue::StartupComplete));
    splash_.closeSplash();
    call(hooks_.showMainWindow);

    call(hooks_.releaseMotors);
    state_.enterLive();
    call(hooks_.startTimer);
    call(hooks_.printInstructions);
    state_.setZonesReady(false);
    call(hooks_.accelerationChanged);
    return loaded;
}

void StartupSequence::showProgress(const QString& status, const QString& soundFile) {
    setStatus(status);
    sound_.playWait(soundFilePath(programFolder_, soundFile));
    for (int i = 0; i < ProgressDots; ++i) {
        setStatus(status_ + QLatin1Char('.'));
        waitMs(DotWaitMs, clock_, pump_);
    }
}

void StartupSequence::setStatus(const QString& status) {
    status_ = status;
    splash_.setStatus(status_);
    pump_.processEvents();
}

} // namespace orvane
