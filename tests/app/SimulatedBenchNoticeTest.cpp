// The simulated bench is never taken for a real rig: the window, the picture, the start-up
// notice and the saved report say when it plays.
#include "analysis/ZoneCalc.h"
#include "app/gui/MainController.h"
#include "app/gui/MainWindow.h"
#include "app/gui/UiForms.h"
#include "app/shell/MissingHardwareNotice.h"
#include "app/shell/SplashView.h"
#include "core/Clock.h"
#include "core/EventPump.h"
#include "core/HardwareConfig.h"
#include "core/ProgramFolder.h"
#include "core/Settings.h"
#include "core/SoundPlayer.h"
#include "live/LiveRenderer.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QLabel>
#include <QSet>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

const QString DesignedTitle = QStringLiteral("ORVANE - Automated Foucault Tester");
const SimulatedBenchUse RealRig{};
const SimulatedBenchUse DemoBench{true, true, QStringLiteral("/somewhere/bench-demo6f4.ini")};

// One window in turn, so going back to real hardware restores the designed caption.
TEST(SimulatedBenchNotice, TitleAndStatusBarSayWhichBenchPlays) {
    const std::pair<SimulatedBenchUse, QString> cases[] = {
        {DemoBench, "Simulated bench (bench-demo6f4.ini)"},
        {{false, true, {}}, "Simulated bench (built-in)"},
        {RealRig, {}}};
    MainWindow window;
    window.show();
    const auto* status = window.findChild<QLabel*>(QStringLiteral("simulatedBenchStatus"));
    ASSERT_NE(status, nullptr);
    for (const auto& [use, said] : cases) {
        window.showSimulatedBench(use);
        EXPECT_EQ(window.windowTitle(),
                  said.isEmpty() ? DesignedTitle : DesignedTitle + " \u2014 " + said);
        EXPECT_EQ(status->isVisible() ? status->text() : QString(), said);
    }
}

// A measured frame with every text the overlay can carry at once.
QImage overlayOnBlack(const SimulatedBenchUse& use) {
    VirtualClock clock;
    ZoneMeasurer measurer(clock);
    Settings settings;
    const ZoneTable zones;
    const MirrorData mirror{QStringLiteral("Demo6f4"), 6, 0, 48, -1, 0, 3};
    const QString MotorStatus = QStringLiteral("Test Complete! :)");
    MirrorCircle circle;
    LiveDisplays out;
    out.simulatedBench = use;
    QImage black(320, 240, QImage::Format_RGB32);
    black.fill(Qt::black);
    const FrameMeasurement measured =
        measurer.measureZones(black, {zones, mirror.NZ, true}, circle);
    drawZonePass(black, measured, circle, {mirror, zones, settings, MotorStatus, 1234, true}, out);
    return out.liveView;
}

TEST(SimulatedBenchNotice, OverlayLineOverlapsNoOtherText) {
    const QImage documented = overlayOnBlack(RealRig);
    const QImage withBench = overlayOnBlack(DemoBench);
    QSet<int> changedRows;
    QSet<int> textRows; // the overlay prints in yellow; its lines are magenta or white
    for (int y = 0; y < documented.height(); ++y) {
        for (int x = 0; x < documented.width(); ++x) {
            const QRgb pixel = documented.pixel(x, y);
            changedRows += pixel != withBench.pixel(x, y) ? QSet<int>{y} : QSet<int>{};
            textRows += qRed(pixel) && qGreen(pixel) && !qBlue(pixel) ? QSet<int>{y} : QSet<int>{};
        }
    }
    EXPECT_FALSE(changedRows.isEmpty() || textRows.isEmpty());
    EXPECT_FALSE(changedRows.intersects(textRows));
}

TEST(SimulatedBenchNotice, StartupNoticeOnlyForDevicesWithoutHardwareFile) {
    struct Case {
        bool hardwareFile;
        QStringList ports;
        QStringList cameras;
        QStringList said; // empty: nothing is said
    };
    const QStringList where{"Simulated bench (built-in)", "orvane-hardware.ini", "backend=ppdev"};
    const Case cases[] = {
        {false, {"/dev/parport0"}, {}, where + QStringList{"a printer port (/dev/parport0)"}},
        {false, {}, {"USB Cam"}, where + QStringList{"a camera (USB Cam)", "Video Control"}},
        {false, {}, {}, {}},
        {true, {"/dev/parport0"}, {"USB Cam"}, {}},
    };
    const SimulatedBenchUse builtIn{true, true, {}};
    for (const Case& c : cases) {
        testkit::TempFolder folder;
        if (c.hardwareFile) {
            ASSERT_TRUE(saveHardwareConfig(folder.path(), HardwareConfig{}));
        }
        const DeviceProbes probes{[&c] { return c.ports; }, [&c] { return c.cameras; }};
        const std::optional<Message> notice = missingHardwareNotice(folder.path(), builtIn, probes);
        ASSERT_EQ(notice.has_value(), !c.said.isEmpty()) << c.said.join('|').toStdString();
        for (const QString& words : c.said)
            EXPECT_TRUE(notice->text.contains(words)) << words.toStdString();
        if (notice) { // where to change it: the very file that was missing
            EXPECT_TRUE(notice->text.contains(hardwareConfigPath(folder.path())));
        }
    }
}

// A machine with a printer port and no hardware file: told once, and what it saves says so.
TEST(SimulatedBenchNotice, StartupTellsOnceAndSaveDataAddsTheBenchLineBelowTheReport) {
    struct : SplashView {
        void setStatus(const QString&) override {}
        void closeSplash() override {}
    } splash;
    testkit::TempFolder folder;
    testkit::RecordingMessageBoxes messages;
    SilentSoundPlayer sound;
    VirtualClock clock;
    CallbackEventPump pump;
    MainController controller({folder.path(),
                               messages,
                               sound,
                               clock,
                               pump,
                               {},
                               {[] { return QStringList{"/dev/parport0"}; }, {}}});
    controller.start(splash);
    EXPECT_EQ(messages.titles().count("Simulated Bench"), 1)
        << messages.titles().join('|').toStdString();

    Settings& settings = controller.settings();
    settings.textpath = folder.file("data");
    settings.Savetext = true;
    settings.Savefigure = settings.SaveSixtests = false;
    settings.Reps = 0;
    MainState& state = controller.state();
    state.mirror = {QStringLiteral("Newt6"), 6, 0, 48, -1, 1, 3};
    state.zones.centerFrac[1] = 0.5;
    state.readings.at(1, 0) = 0.01;
    controller.window().controls().saveDataButton->setEnabled(true);
    controller.window().controls().saveDataButton->click();
    QFile report(joinPath(settings.textpath, {"Newt6", "TextData", "test3.txt"}));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    EXPECT_EQ(report.readAll(),
              QByteArray("Mirror Diameter = 6 ROC = 48 Conic Constant = -1 Units are in Inches "
                         "Moving Source Tester\r\n"
                         " Zone 1 radius = 1.5\t Reading = 0.01\r\n"
                         "\r\n"
                         "Simulated bench: built-in (not a real mirror)\r\n"));
}

TEST(SimulatedBenchNotice, PreviousReadingsShowTheBenchLineAsNoZone) {
    const QString text =
        previousReadingsText({"Mirror Diameter = 6", " Zone 1 radius = 1.5\t Reading = 0.01", "",
                              "Simulated bench: bench-demo6f4.ini (not a real mirror)"},
                             3);
    EXPECT_EQ(text, "Previous Zone Readings from Test #3:\r\nOld Zone 1 = 0.01\r\n"
                    "Simulated bench: bench-demo6f4.ini (not a real mirror)\r\n");
}

} // namespace
