// The shell: start-up and shutdown, help and the shared files.
#include "app/shell/Help.h"
#include "app/shell/SharedFiles.h"
#include "app/shell/ShutdownSequence.h"
#include "app/shell/SoundCues.h"
#include "app/shell/SplashView.h"
#include "app/shell/StartupSequence.h"
#include "core/AppState.h"
#include "core/Clock.h"
#include "core/EventPump.h"
#include "core/MessageBoxes.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "core/SoundPlayer.h"
#include "core/TextFile.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

// The splash, the sounds, the messages and every start-up and shutdown step write into one log.
class LifecycleTest : public ::testing::Test, SplashView, SoundPlayer, public MessageBoxes {
  protected:
    void setStatus(const QString& text) override { log << "status " + text; }
    void closeSplash() override { log << "splash closed"; }
    void playWait(const QString& path) override { log << "wait " + path.mid(folder.path().size()); }
    void playAsync(const QString& path) override { log << "async " + path; }
    MessageAnswer show(const Message& message) override {
        log << "message " + message.title;
        return MessageAnswer::Ok;
    }

    std::function<void()> logged(const char* name) {
        return [this, name] { log << name; };
    }
    StartupHooks hooks() {
        const auto load = [this] {
            log << "loadSettings";
            beforeLoad = settings;
            return LoadSettings(settings, folder.path(), *this, {[this] { log << "setup"; }, {}});
        };
        const auto release = [this] {
            log << (program.liveAllowed() ? "release while live" : "release");
        };
        return StartupHooks(logged("helpInit"), logged("fitToScreen"), logged("fillPhaseTable"),
                            load, logged("connectCapture"), logged("showMainWindow"), release,
                            logged("startTimer"), logged("printInstructions"),
                            logged("accelerationChanged"));
    }
    std::optional<SettingsLoadResult> runStartup(StartupHooks h) {
        return StartupSequence(program, settings, *this, *this, clock, pump, folder.path(), h)
            .run();
    }

    testkit::TempFolder folder;
    QStringList log;
    VirtualClock clock;
    CallbackEventPump pump;
    ProgramState program;
    Settings settings;
    Settings beforeLoad;
};

TEST_F(LifecycleTest, StartupStepsRunInTheirFixedOrderWithTenDotsPerProgressText) {
    settings.autoTest = {70, 40, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    program.setZonesReady(true);
    // Timer ticks during the start-up find the loop not yet allowed.
    pump.setHook([this] {
        if (program.liveAllowed())
            log << "loop";
    });
    const auto result = runStartup(hooks());

    QStringList expected{"helpInit", "fitToScreen"};
    for (const auto& [status, cue] : {std::pair{"Loading Data from Disk", "acsfiles.wav"},
                                      {"Initializing Video", "accestab.wav"}}) {
        expected << QStringLiteral("status ") + status << QStringLiteral("wait /sound/") + cue;
        for (int dots = 1; dots <= 10; ++dots)
            expected << QStringLiteral("status ") + status + QString(dots, '.');
    }
    expected.append({"fillPhaseTable", "loadSettings", "message Initialization Error :(", "setup",
                     "connectCapture", "status Initialization Complete!", "wait /sound/progact.wav",
                     "splash closed", "showMainWindow", "release", "startTimer",
                     "printInstructions", "accelerationChanged"});
    EXPECT_EQ(log, expected);
    EXPECT_GT(pump.count(), 20);
    EXPECT_EQ(clock.nowNs(), 2'000'000'000); // a dot waits 100 ms
    EXPECT_EQ(result.value().failure, SettingsFailure::SectionA);
    EXPECT_TRUE(program.liveAllowed() && !program.zonesReady() && !program.abortRequested());
    // The built-in search values come before the file, but not the intensity limits.
    EXPECT_EQ(settingsLines(beforeLoad), settingsLines(Settings{.autoTest = {70, 40}}));
}

TEST_F(LifecycleTest, StartupWhileClosingOnlySetsAbortAndNoHooksAreNeeded) {
    program.beginClosing();
    EXPECT_FALSE(runStartup(hooks()).has_value() || program.liveAllowed() ||
                 !program.abortRequested());
    EXPECT_EQ(log, QStringList{"helpInit"});
    program = ProgramState();
    EXPECT_EQ(runStartup({}).value().failure, SettingsFailure::None);
}

TEST_F(LifecycleTest, ShutdownSavesOnceClosesLetsTheLoopSeeItForTwoSecondsThenAborts) {
    program.enterLive();
    program.liveLoopStarted();
    // Each turn of the drain logs closing, live, the loop running and abort.
    pump.setHook([this] {
        log << QString::asprintf("drain %d%d%d%d", program.closing(), program.liveAllowed(),
                                 program.liveLoopRunning(), program.abortRequested());
    });
    ShutdownSequence shutdown(
        program, clock, pump,
        {logged("helpQuit"), logged("stopTimer"), logged("save"),
         [this] { log << (program.abortRequested() ? "abort shown" : "abort early"); },
         logged("clearCapture")});
    shutdown.run();
    EXPECT_TRUE(clock.nowNs() >= 2'000'000'000 && clock.nowNs() < 2'100'000'000);
    shutdown.run(); // a second unload does not save again
    log.removeDuplicates();
    EXPECT_EQ(log, (QStringList{"helpQuit", "stopTimer", "save", "drain 1000", "abort shown",
                                "clearCapture", "drain 1001"}));
}

TEST(SharedFiles, FreshFolderGetsSoundsAndManualAndOwnFilesAreKeptWhateverTheirCase) {
    testkit::TempFolder share, program;
    for (const char* name :
         {"sound/acsfiles.wav", "sound/Z1.wav", "ORVANE.html", "manual/main-window.png"}) {
        ASSERT_TRUE(ensureFolder(QFileInfo(share.file(name)).path()) &&
                    writeTextFile(share.file(name), "new"));
    }
    const QString own = joinPath(program.path(), {"Sound", "ACSFILES.WAV"});
    ASSERT_TRUE(ensureFolder(program.file("Sound")) && writeTextFile(own, "own"));
    EXPECT_EQ(installMissingSharedFiles(program.path(), {"/no/such/share", share.path()}), 3);
    EXPECT_EQ(readTextLines(own)->first(), "own");
    EXPECT_EQ(soundFilePath(program.path(), "z1.wav"), program.file("Sound/Z1.wav"));
    EXPECT_EQ(readTextLines(helpFilePath(program.path())), QStringList{"new"});
    EXPECT_EQ(QDir(program.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{"manual", "Sound"}));
    EXPECT_EQ(installMissingSharedFiles(program.path(), {share.path()}), 0);
}

TEST_F(LifecycleTest, HelpOpensTheManualAtTheContextOnlyWhileRegisteredAndSaysWhatWentWrong) {
    QList<QUrl> opened;
    HelpSystem help(*this, [&](const QUrl& url) {
        opened << url;
        return opened.size() == 1; // the browser fails the second time
    });
    QObject owner;
    const QString manual = folder.file("ORVANE.html");
    EXPECT_FALSE(help.show(210)); // not yet registered
    help.init(&owner, folder.path());
    EXPECT_FALSE(help.show(210)); // no manual yet
    ASSERT_TRUE(writeTextFile(manual, "<html>"));
    help.init(&owner, folder.path());
    EXPECT_TRUE(help.show(250));
    EXPECT_FALSE(help.show(0));
    help.quit();
    EXPECT_FALSE(help.show(250));
    EXPECT_EQ(opened,
              QList<QUrl>({QUrl("file://" + manual + "#context250"), QUrl("file://" + manual)}));
    EXPECT_EQ(log, QStringList({"message Help :(", "message Help :("}));
}

} // namespace
