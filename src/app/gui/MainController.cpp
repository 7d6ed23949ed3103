#include "app/gui/MainController.h"

#include "app/gui/FloatingTextWindow.h"
#include "app/gui/HelpViewer.h"
#include "app/gui/Logo.h"
#include "app/gui/MainWindow.h"
#include "app/gui/PictureBox.h"
#include "app/gui/SettingsBinding.h"
#include "app/shell/Instructions.h"
#include "app/shell/MissingHardwareNotice.h"
#include "app/shell/ShutdownSequence.h"
#include "app/shell/StartupSequence.h"
#include "core/Clock.h"
#include "core/EventPump.h"
#include "core/MessageBoxes.h"
#include "core/SoundPlayer.h"
#include "live/ResetScreen.h"
#include "results/ProgramTitle.h"
#include "ui_MainWindow.h"

#include <QSignalBlocker>

#include <QPushButton>
#include <QScreen>

namespace orvane {

MainController::MainController(ControllerServices services)
    : services_(std::move(services)), window_(std::make_unique<MainWindow>()),
      binding_(new SettingsBinding(settings_, program_, *window_)),
      help_(services_.messages,
            services_.openUrl ? services_.openUrl : HelpSystem::Opener([this](const QUrl& url) {
                return showHelpViewer(url);
            })),
      hardware_(services_.programFolder, settings_, services_.clock,
                [this](const QString& failure) { motorBoardFailed(failure); }),
      display_(state_, *window_), pause_(*window_, program_, services_.pump, hardware_.drivers()),
      capture_(hardware_, settings_, program_, services_.pump, *window_),
      setup_({services_.programFolder, settings_, waitForIt_, services_.messages, *window_,
              *binding_, [this] { saveSettings(); }, state_.testOptions}),
      mirrors_({services_.programFolder, settings_, state_, program_, services_.messages, *window_,
                *binding_, display_, [this] { saveSettings(); }}),
      live_({program_, settings_, state_, hardware_, display_, *window_, pause_, services_.messages,
             services_.clock}),
      results_({services_.programFolder, settings_, state_, services_.messages, services_.clock,
                services_.pump, *window_, hardware_}),
      verdict_({settings_, state_, services_.messages, *window_}),
      test_({services_.programFolder, settings_, program_, state_, hardware_, display_, *window_,
             *binding_, liveTimer_, live_, pause_, results_, verdict_, services_.sound,
             services_.messages, services_.clock}) {
    const TestOptionsLoad testOptions = loadTestOptions(services_.programFolder);
    state_.testOptions = testOptions.options;
    {
        const QSignalBlocker asRead(window_->ui().mnuRecordVideo);
        window_->ui().mnuRecordVideo->setChecked(state_.testOptions.recordVideo);
    }
    for (const QString& warning : testOptions.warnings)
        services_.messages.show(
            {QStringLiteral("Test Options"), warning, MessageIcon::Exclamation});
    window_->setWindowIcon(orvaneLogo(64));
    liveTimer_.setObjectName(QStringLiteral("Timer1"));
    liveTimer_.setInterval(Timer1Ms);
    connect(&liveTimer_, &QTimer::timeout, &live_, &LiveLoopWiring::onLiveTimer);
    window_->setCloseHandler([this] { return shutDown(); });
    connect(window_.get(), &MainWindow::helpRequested, this,
            [this](int context) { help_.show(context); });
    connect(window_.get(), &MainWindow::aboutRequested, this, &MainController::showAbout);
    connect(window_->controls().zoneBars, &PictureBox::resized, this,
            &MainController::reprintInstructions);
    connect(window_->controls().resetButton, &QPushButton::clicked, this,
            [this] { instructions_ = Instructions::Reset; });
    connect(&capture_, &CaptureWiring::driverSelected, this, &MainController::showSimulatedBench);
    connectMenus();
    binding_->showSettings();
    showSimulatedBench();
    display_.show();
}

MainController::~MainController() = default;

// Heard in the middle of a move: the test stops at its next check, and the message waits for
// the event loop rather than open inside the move.
void MainController::motorBoardFailed(const QString& failure) {
    if (program_.heldMode() == ProgramMode::Testing)
        program_.requestAbort(true);
    QTimer::singleShot(0, this, [this, failure] {
        services_.messages.show(
            {QStringLiteral("Hardware Setup :("), failure, MessageIcon::Exclamation});
    });
}

void MainController::connectMenus() {
    Ui::frmMain& ui = window_->ui();
    connect(ui.mnuExit, &QAction::triggered, window_.get(), &QWidget::close);
    connect(ui.mnuText, &QAction::triggered, this, &MainController::showFloatingText);
    connect(ui.mnuDebug, &QAction::triggered, this, [this] {
        settings_.DebugDisplay = !settings_.DebugDisplay;
        window_->setLayoutFlags(settings_.DebugDisplay, settings_.MoreText);
    });
    connect(ui.MnuMoreText, &QAction::triggered, this, [this] {
        settings_.MoreText = !settings_.MoreText;
        window_->setLayoutFlags(settings_.DebugDisplay, settings_.MoreText);
    });
}

std::optional<SettingsLoadResult> MainController::start(SplashView& splash) {
    StartupHooks steps;
    steps.helpInit = [this] { help_.init(window_.get(), services_.programFolder); };
    steps.fitToScreen = [this] { fitToScreen(); };
    steps.loadSettings = [this] { return loadSettings(); };
    steps.connectCapture = [this] { connectCapture(); };
    steps.showMainWindow = [this] { window_->show(); };
    steps.releaseMotors = [this] { hardware_.driver().releaseMotors(); };
    steps.startTimer = [this] { liveTimer_.start(); };
    steps.printInstructions = [this] { printStartupInstructions(); };
    StartupSequence startup(program_, settings_, splash, services_.sound, services_.clock,
                            services_.pump, services_.programFolder, std::move(steps));
    const std::optional<SettingsLoadResult> result = startup.run();
    if (!result)
        binding_->showAbort();
    return result;
}

SettingsLoadResult MainController::loadSettings() {
    const SettingsLoadResult result = LoadSettings(
        settings_, services_.programFolder, services_.messages,
        {[this] { setup_.openSetupDialog(); }, [this] { setup_.openAutoTestDialog(); }});
    waitForIt_ = result.waitForIt;
    binding_->showSettings();
    return result;
}

void MainController::connectCapture() {
    hardware_.reportProblems(services_.messages);
    capture_.connectAtStartup();
    showSimulatedBench();
    const std::optional<Message> notice = missingHardwareNotice(
        services_.programFolder, state_.displays.simulatedBench, services_.probes);
    if (notice)
        services_.messages.show(*notice);
}

void MainController::showSimulatedBench() {
    state_.displays.simulatedBench = hardware_.simulatedBench();
    window_->showSimulatedBench(state_.displays.simulatedBench);
}

void MainController::fitToScreen() {
    const QScreen* screen = window_->screen();
    if (screen && screen->availableGeometry().width() < DesignedClientWidth)
        window_->setWindowState(window_->windowState() | Qt::WindowMaximized);
}

void MainController::printStartupInstructions() {
    PictureBox& box = *window_->controls().zoneBars;
    printInstructionPage(box.image(), startupInstructions());
    box.update();
    instructions_ = Instructions::Startup;
}

void MainController::reprintInstructions() {
    if (program_.zonesReady() || instructions_ == Instructions::None)
        return;
    PictureBox& box = *window_->controls().zoneBars;
    if (instructions_ == Instructions::Reset) {
        drawResetInstructions(box.image());
    } else {
        box.clear();
        printInstructionPage(box.image(), startupInstructions());
    }
    box.update();
}

bool MainController::showHelpViewer(const QUrl& url) {
    if (!helpViewer_)
        helpViewer_ = new HelpViewer(window_.get());
    return helpViewer_->open(url);
}

void MainController::showAbout() {
    services_.messages.show(
        {QStringLiteral("About ORVANE"),
         QStringLiteral("ORVANE %1\r\nThe automated Foucault knife-edge tester.\r\n\r\n"
                        "Free software under the GNU General Public License, version 3 or "
                        "later (the file LICENSE); it comes with no warranty.\r\n\r\n"
                        "Built with Qt %2, running on Qt %3. Qt is used under the GNU Lesser "
                        "General Public License, version 3, and Qt Charts under the GNU General "
                        "Public License, version 3.")
             .arg(QStringLiteral(ORVANE_VERSION), QStringLiteral(QT_VERSION_STR),
                  QString::fromLatin1(qVersion())),
         MessageIcon::Information});
}

void MainController::saveSettings() {
    SaveSettings(settings_, services_.programFolder, services_.messages);
}

FloatingTextWindow* MainController::floatingText() const {
    return floatingText_;
}

void MainController::showFloatingText() {
    if (!floatingText_) {
        const MainControls& controls = window_->controls();
        floatingText_ =
            new FloatingTextWindow(controls.debugLog, controls.readingsTable, window_.get());
        floatingText_->setAttribute(Qt::WA_DeleteOnClose);
    }
    floatingText_->show();
    floatingText_->raise();
}

bool MainController::shutDown() {
    if (test_.running() && !program_.closing()) {
        const Message question{ProgramTitle,
                               QStringLiteral("A test is running. Abort it and close ORVANE? "
                                              "The readings taken so far are kept."),
                               MessageIcon::Question, MessageButtons::OkCancel,
                               MessageAnswer::Cancel};
        if (services_.messages.show(question) != MessageAnswer::Ok)
            return false;
        test_.abort();
    }
    ShutdownHooks steps;
    steps.helpQuit = [this] { help_.quit(); };
    steps.stopTimer = [this] { liveTimer_.stop(); };
    steps.saveSettings = [this] { saveSettings(); };
    steps.showAbortChecked = [this] { binding_->showAbort(); };
    steps.clearCaptureCallbacks = [this] { capture_.shutdown(); };
    ShutdownSequence(program_, services_.clock, services_.pump, std::move(steps)).run();
    return true;
}

} // namespace orvane
