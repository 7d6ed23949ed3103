// The simulated bench is never taken for a real rig: the window, the picture, the start-up
// notice and the saved report say when it plays.
#include "analysis/ZoneCalc.h"
#include "analysis/ZoneMeasurer.h"
#include "app/core/Clock.h"
#include "app/core/EventPump.h"
#include "app/core/HardwareConfig.h"
#include "app/core/ProgramFolder.h"
#include "app/core/Settings.h"
#include "app/core/SoundPlayer.h"
#include "app/gui/MainController.h"
#include "app/gui/MainWindow.h"
#include "app/gui/UiForms.h"
#include "app/shell/MissingHardwareNotice.h"
#include "app/shell/SplashView.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

const QString DesignedTitle = QStringLiteral("ORVANE - Automated Foucault Tester");
const SimulatedBenchUse RealRig{};
const SimulatedBenchUse DemoBench{true, true, QStringLiteral("/somewhere/bench-demo6f4.ini")};

TEST(SimulatedBenchNotice, TitleAndStatusBarSayWhichBenchPlays) {
    struct Case {
        SimulatedBenchUse use;
        QString title;
        QString status; // empty: no status item shown
    };
    const Case cases[] = {
        {DemoBench, DesignedTitle + " \u2014 Simulated bench (bench-demo6f4.ini)",
         "Simulated bench (bench-demo6f4.ini)"},
        {{false, true, {}},
         DesignedTitle + " \u2014 Simulated bench (built-in)",
         "Simulated bench (built-in)"},
        {RealRig, DesignedTitle, {}},
    };
    MainWindow window;
    window.show();
    const auto* status = window.findChild<QLabel*>(QStringLiteral("simulatedBenchStatus"));
    ASSERT_NE(status, nullptr);
    // One window in turn, so going back to real hardware restores the designed caption.
    for (const Case& c : cases) {
        window.showSimulatedBench(c.use);
        EXPECT_EQ(window.windowTitle(), c.title);
        EXPECT_EQ(status->isVisible(), !c.status.isEmpty()) << c.title.toStdString();
        if (!c.status.isEmpty()) {
            EXPECT_EQ(status->text(), c.status);
        }
    }
}

bool isTextPixel(QRgb pixel) { // the overlay prints in yellow; its lines are magenta or white
    return qRed(pixel) > 0 && qGreen(pixel) > 0 && qBlue(pixel) == 0;
}

// A measured frame with every text the overlay can carry at once.
QImage overlayOnBlack(const SimulatedBenchUse& use) {
    VirtualClock clock;
    CallbackEventPump pump;
    ZoneMeasurer measurer(clock);
    Settings settings;
    const ZoneTable zones;
    const MirrorData mirror{QStringLiteral("Demo6f4"), 6, 0, 48, -1, 0, 3};
    const QString MotorStatus = QStringLiteral("Test Complete! :)");
    const MeasureInputs in{zones, mirror, settings, MotorStatus, 1234, true, true, true};
    MirrorCircle circle;
    LiveDisplays out;
    out.simulatedBench = use;
    QImage black(320, 240, QImage::Format_RGB32);
    black.fill(Qt::black);
    measurer.measureZones(black, in, circle, out, pump);
    return out.picture1;
}

TEST(SimulatedBenchNotice, OverlayLineOverlapsNoOtherText) {
    const QImage documented = overlayOnBlack(RealRig);
    const QImage withBench = overlayOnBlack(DemoBench);
    ASSERT_EQ(documented.size(), withBench.size());
    QSet<int> changedRows;
    QSet<int> textRows;
    for (int y = 0; y < documented.height(); ++y) {
        for (int x = 0; x < documented.width(); ++x) {
            if (documented.pixel(x, y) != withBench.pixel(x, y))
                changedRows << y;
            if (isTextPixel(documented.pixel(x, y)))
                textRows << y;
        }
    }
    EXPECT_FALSE(changedRows.isEmpty());
    EXPECT_FALSE(textRows.isEmpty());
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

class QuietSplash : public SplashView {
  public:
    void setStatus(const QString&) override {}
    void closeSplash() override {}
};

class BenchControllerFixture : public ::testing::Test {
  protected:
    BenchControllerFixture()
        : controller({folder.path(),
                      messages,
                      sound,
                      clock,
                      pump,
                      {},
                      {[] { return QStringList{"/dev/parport0"}; }, {}}}) {}

    testkit::TempFolder folder;
    testkit::RecordingMessageBoxes messages;
    SilentSoundPlayer sound;
    VirtualClock clock;
    CallbackEventPump pump;
    MainController controller;
};

TEST_F(BenchControllerFixture, StartupSaysOnceThatTheBenchStandsInForThePrinterPort) {
    QuietSplash splash;
    controller.start(splash);
    EXPECT_EQ(messages.titles().count("Simulated Bench"), 1)
        << messages.titles().join('|').toStdString();
    EXPECT_TRUE(controller.window().windowTitle().endsWith(" \u2014 Simulated bench (built-in)"));
}

TEST_F(BenchControllerFixture, SaveDataAddsTheBenchLineBelowTheDocumentedReport) {
    Settings& settings = controller.settings();
    settings.textpath = folder.file("data");
    settings.Savetext = true;
    settings.Savefigure = settings.SaveSixtests = false;
    settings.Reps = 1;
    MainState& state = controller.state();
    state.mirror = {QStringLiteral("Newt6"), 6, 0, 48, -1, 2, 3};
    state.zones.centerFrac[1] = 0.5;
    state.zones.centerFrac[2] = 0.9;
    state.readings.at(1, 0) = 0.01;
    state.readings.at(1, 1) = 0.0125;
    state.readings.at(2, 0) = -0.2;
    state.readings.at(2, 1) = 0.25;
    QPushButton* saveData = controller.window().ui().Command5;
    saveData->setEnabled(true);
    saveData->click();

    QFile report(joinPath(settings.textpath, {"Newt6", "TextData", "test3.txt"}));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    EXPECT_EQ(report.readAll(),
              QByteArray("Mirror Diameter = 6 ROC = 48 Conic Constant = -1 Units are in Inches "
                         "Moving Source Tester\r\n"
                         " Zone 1 radius = 1.5\t Readings = 0.01 \t0.0125\r\n"
                         " Zone 2 radius = 2.7\t Readings = -0.2 \t0.25\r\n"
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
