#include "app/core/AppState.h"
#include "app/core/Clock.h"
#include "app/core/EventPump.h"
#include "app/core/Settings.h"
#include "app/core/SettingsFile.h"
#include "app/core/SoundPlayer.h"
#include "app/shell/ShutdownSequence.h"
#include "app/shell/SoundCues.h"
#include "app/shell/SplashView.h"
#include "app/shell/StartupSequence.h"
#include "app/shell/Timer1Tick.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

// Everything the start-up touches writes one line into a shared log.
struct Log {
    QStringList events;
    void add(const QString& e) { events << e; }
    qsizetype indexOf(const QString& e) const { return events.indexOf(e); }
};

class LoggingSplash : public SplashView {
  public:
    explicit LoggingSplash(Log& log) : log_(log) {}
    void setStatus(const QString& text) override {
        statuses << text;
        log_.add("status " + text);
    }
    void closeSplash() override { log_.add("splash closed"); }
    QStringList statuses;

  private:
    Log& log_;
};

class LoggingSound : public SoundPlayer {
  public:
    explicit LoggingSound(Log& log) : log_(log) {}
    void playWait(const QString& path) override { log_.add("wait " + path); }
    void playAsync(const QString& path) override { log_.add("async " + path); }

  private:
    Log& log_;
};

class LoggingMessages : public testkit::RecordingMessageBoxes {
  public:
    explicit LoggingMessages(Log& log) : log_(log) {}
    MessageAnswer show(const Message& message) override {
        log_.add("message " + message.title);
        return RecordingMessageBoxes::show(message);
    }

  private:
    Log& log_;
};

class StartupTest : public ::testing::Test {
  protected:
    StartupHooks hooks() {
        StartupHooks h;
        auto logged = [this](const char* name) {
            return [this, name] { log.add(QString::fromLatin1(name)); };
        };
        h.helpInit = logged("helpInit");
        h.fitToScreen = logged("fitToScreen");
        h.fillPhaseTable = logged("fillPhaseTable");
        h.loadSettings = [this] {
            log.add("loadSettings");
            return LoadSettings(settings, folder.path(), messages,
                                {[this] { log.add("setup dialog"); }, {}});
        };
        h.connectCapture = logged("connectCapture");
        h.showMainWindow = logged("showMainWindow");
        h.releaseMotors = [this] {
            log.add(flags.Manual ? "releaseMotors while Manual" : "releaseMotors");
        };
        h.startTimer = logged("startTimer");
        h.printInstructions = logged("printInstructions");
        h.accelerationChanged = logged("accelerationChanged");
        return h;
    }
    std::optional<SettingsLoadResult> runStartup(StartupHooks h) {
        StartupSequence startup(flags, settings, splash, sound, clock, pump, folder.path(),
                                std::move(h));
        return startup.run();
    }

    testkit::TempFolder folder;
    Log log;
    LoggingSplash splash{log};
    LoggingSound sound{log};
    LoggingMessages messages{log};
    VirtualClock clock;
    CallbackEventPump pump;
    RunFlags flags;
    Settings settings;
};

TEST_F(StartupTest, StatusTextsComeInOrderWithTenDotsEach) {
    runStartup(hooks());
    QStringList expected;
    for (const QString& status :
         {QStringLiteral("Loading Data from Disk"), QStringLiteral("Initializing Video")}) {
        expected << status;
        for (int dots = 1; dots <= 10; ++dots)
            expected << status + QString(dots, QLatin1Char('.'));
    }
    expected << "Initialization Complete!";
    EXPECT_EQ(splash.statuses, expected);
    // Each dot waits 100 ms, so the progress takes two seconds.
    EXPECT_EQ(clock.nowNs(), 2'000'000'000);
}

TEST_F(StartupTest, StepsRunInTheirFixedOrder) {
    const auto result = runStartup(hooks());
    ASSERT_TRUE(result.has_value());
    const QString folderSound = folder.path() + "/sound/";
    QStringList order{"helpInit",
                      "fitToScreen",
                      "status Loading Data from Disk",
                      "wait " + folderSound + SoundCue::LoadingData,
                      "status Initializing Video",
                      "wait " + folderSound + SoundCue::InitializingVideo,
                      "fillPhaseTable",
                      "loadSettings",
                      "message Initialization Error :(",
                      "setup dialog",
                      "connectCapture",
                      "status Initialization Complete!",
                      "wait " + folderSound + SoundCue::StartupComplete,
                      "splash closed",
                      "showMainWindow",
                      "releaseMotors",
                      "startTimer",
                      "printInstructions",
                      "accelerationChanged"};
    qsizetype last = -1;
    for (const QString& event : order) {
        const qsizetype at = log.indexOf(event);
        EXPECT_GT(at, last) << event.toStdString();
        last = at;
    }
    EXPECT_EQ(log.events.count("message Initialization Error :("), 1);
    EXPECT_EQ(result->failure, SettingsFailure::SectionA);
    EXPECT_TRUE(flags.Manual);
    EXPECT_FALSE(flags.ZoneOn);
    EXPECT_FALSE(flags.abort);
}

TEST_F(StartupTest, BuiltInAutoTestValuesPrecedeTheFileButKeepTheIntensityLimits) {
    settings.autoTest = {70, 40, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    StartupHooks h = hooks();
    AutoTestVariables seenByLoad;
    h.loadSettings = [&] {
        seenByLoad = settings.autoTest;
        return SettingsLoadResult{};
    };
    runStartup(h);
    EXPECT_EQ(seenByLoad.Max, 70);
    EXPECT_EQ(seenByLoad.Min, 40);
    EXPECT_EQ(seenByLoad.LRMinFrames, 4);
    EXPECT_EQ(seenByLoad.LRDelta, 10);
    EXPECT_EQ(seenByLoad.LRSmMove, 0);
    EXPECT_EQ(seenByLoad.TFRoughFrames, 15);
    EXPECT_EQ(seenByLoad.TFOblatedelta, 15);
    EXPECT_EQ(seenByLoad.TFRoughDelta, 20);
    EXPECT_EQ(seenByLoad.TFFinalFrames, 30);
    EXPECT_EQ(seenByLoad.TFFinalMoves, 0);
}

TEST_F(StartupTest, TimerTicksDuringStartupFindTheLoopNotYetAllowed) {
    int loops = 0;
    pump.setHook([&] { timer1Tick(flags, [&] { ++loops; }, {}); });
    runStartup(hooks());
    EXPECT_EQ(loops, 0);
    EXPECT_GT(pump.count(), 20);
}

TEST_F(StartupTest, LoadWhileClosingOnlyChecksAbort) {
    flags.ExitRequested = true;
    const auto result = runStartup(hooks());
    EXPECT_FALSE(result.has_value());
    EXPECT_TRUE(flags.abort);
    EXPECT_EQ(log.events, QStringList{"helpInit"});
    EXPECT_FALSE(flags.Manual);
}

TEST_F(StartupTest, RunsWithoutAnyHooks) {
    const auto result = runStartup({});
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->failure, SettingsFailure::None);
    EXPECT_TRUE(flags.Manual);
    EXPECT_EQ(splash.statuses.last(), "Initialization Complete!");
}

class ShutdownTest : public ::testing::Test {
  protected:
    ShutdownSequence sequence() {
        ShutdownHooks h;
        h.helpQuit = [this] { events << "helpQuit"; };
        h.stopTimer = [this] { events << "stopTimer"; };
        h.saveSettings = [this] {
            ++saves;
            events << "save";
        };
        h.showAbortChecked = [this] { events << (flags.abort ? "abort shown" : "abort early"); };
        h.clearCaptureCallbacks = [this] { events << "clearCapture"; };
        return ShutdownSequence(flags, clock, pump, h);
    }

    RunFlags flags;
    VirtualClock clock;
    CallbackEventPump pump;
    QStringList events;
    int saves = 0;
};

TEST_F(ShutdownTest, SavesOnceRaisesTheFlagsAndEndsWithinAboutTwoSeconds) {
    flags.Manual = true;
    flags.LoopRunning = true;
    sequence().run();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(events,
              (QStringList{"helpQuit", "stopTimer", "save", "abort shown", "clearCapture"}));
    EXPECT_FALSE(flags.Manual);
    EXPECT_FALSE(flags.LoopRunning);
    EXPECT_TRUE(flags.ExitRequested);
    EXPECT_TRUE(flags.abort);
    EXPECT_GE(clock.nowNs(), 2'000'000'000);
    EXPECT_LT(clock.nowNs(), 2'100'000'000);
}

TEST_F(ShutdownTest, SecondUnloadDoesNotSaveAgain) {
    ShutdownSequence shutdown = sequence();
    shutdown.run();
    shutdown.run();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(events.count("helpQuit"), 2);
}

TEST_F(ShutdownTest, LoopRunningDuringTheDrainSeesTheFlagsBeforeAbort) {
    flags.Manual = true;
    bool sawExit = false;
    bool sawAbortEarly = false;
    pump.setHook([&] {
        sawExit = sawExit || (flags.ExitRequested && !flags.Manual);
        sawAbortEarly = sawAbortEarly || flags.abort;
    });
    sequence().run();
    EXPECT_TRUE(sawExit);
    EXPECT_FALSE(sawAbortEarly);
}

TEST(Timer1Tick, EntersTheLoopOnceAndStaysOutWhileItRuns) {
    RunFlags flags;
    flags.Manual = true;
    int loops = 0;
    int closes = 0;
    auto close = [&] { ++closes; };
    timer1Tick(
        flags,
        [&] {
            ++loops;
            // A tick nested in the loop's event pump returns at once.
            timer1Tick(
                flags, [&] { ++loops; }, close);
        },
        close);
    EXPECT_EQ(loops, 1);
    EXPECT_TRUE(flags.LoopRunning);
    EXPECT_EQ(closes, 0);
    timer1Tick(
        flags, [&] { ++loops; }, close);
    EXPECT_EQ(loops, 1);
}

TEST(Timer1Tick, DoesNothingWhileLoading) {
    RunFlags flags;
    int loops = 0;
    int closes = 0;
    timer1Tick(
        flags, [&] { ++loops; }, [&] { ++closes; });
    EXPECT_EQ(loops, 0);
    EXPECT_EQ(closes, 0);
    EXPECT_FALSE(flags.LoopRunning);
}

TEST(Timer1Tick, LoopEndedByATestClearsLoopRunningSoTheNextTickRestartsIt) {
    RunFlags flags;
    flags.Manual = true;
    int loops = 0;
    timer1Tick(flags,
               [&] {
                   ++loops;
                   flags.Manual = false; // the test takes the camera
               },
               {});
    EXPECT_FALSE(flags.LoopRunning);
    flags.Manual = true; // the test is done
    timer1Tick(flags, [&] { ++loops; }, {});
    EXPECT_EQ(loops, 2);
}

TEST(Timer1Tick, ClosesTheWindowOnceClosingWasRequested) {
    RunFlags flags;
    flags.Manual = true;
    int closes = 0;
    timer1Tick(
        flags,
        [&] {
            flags.Manual = false;
            flags.ExitRequested = true;
        },
        [&] { ++closes; });
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(flags.LoopRunning);
    timer1Tick(
        flags, [] { FAIL() << "no loop while closing"; }, [&] { ++closes; });
    EXPECT_EQ(closes, 2);
}

} // namespace
