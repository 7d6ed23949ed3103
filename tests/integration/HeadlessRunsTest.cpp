// Whole headless runs on the simulated bench: the readings follow the bench's own optics, repeat
// from set to set and are saved; other benches and settings; an abort keeps what was measured.
#include "ExampleFolder.h"

#include "autotest/TestStatistics.h"
#include "core/HardwareConfig.h"
#include "core/NumberText.h"
#include "core/ProgramFolder.h"
#include "core/SettingsFile.h"
#include "core/TextFile.h"
#include "reduction/ReadingsFile.h"
#include "reduction/SetsReduction.h"
#include "results/MirrorRecord.h"
#include "results/TestRecordWriter.h"
#include "support/StoppingFileSystem.h"

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>

using namespace orvane;
using namespace orvane::testkit;

namespace {

QStringList lines(const QString& path) {
    return readTextLines(findPathIgnoringCase(path)).value_or(QStringList());
}

// The example of the main job, the Demo6f4 record (6 inch f/4 paraboloid, 5 zones) on its
// moving-source bench, with four tracked sets. One run serves every check: the run is the
// slow part.
TEST(ExampleMirror, FourTrackedSetsReadThePerfectNumbersRepeatAndAreSaved) {
    ExampleFolder folder;
    folder.changeSettings([](Settings& s) { s.SavePicture = 1; });
    HeadlessOptions options;
    options.sets = 4;
    options.track = true;
    options.record = true;
    auto run = folder.preparedRun(options);
    ASSERT_TRUE(run->run()) << folder.messages.texts().join('\n').toStdString();
    EXPECT_EQ(run->outputs().MotorStatus, "Test Complete! :)");
    // The outer zone's number is far from 0, so a test that read nothing would fail.
    EXPECT_NEAR(perfectReading(*run, 5), 0.077, 0.0005);
    expectReadings(*run, 4, [&](int zone) { return perfectReading(*run, zone); });
    // The optics at the radii the windows sample agree as well.
    expectReadings(*run, 4, [&](int zone) { return opticalReading(*run, zone); });
    const double deviation = testStandardDeviation(run->readings(), 5, 3);
    EXPECT_LT(deviation, 0.001);
    EXPECT_DOUBLE_EQ(run->outputs().TestStdDeviation, deviation * 25.4); // millimetres

    // Auto centre-size found the bench's mirror, the knife backed 0.05" out for it.
    const BenchConfig::Camera& truth = run->bench().config().camera;
    EXPECT_EQ(run->circleSource(), CircleSource::AutoCentre);
    EXPECT_NEAR(run->circle().x, truth.centerX, 2);
    EXPECT_NEAR(run->circle().y, truth.centerY, 2);
    EXPECT_NEAR(run->circle().radius, truth.radius, 2);
    EXPECT_EQ(run->knifeClearanceSteps(), 400);
    // Zone 1's first null is the origin the rewind returns to: the bench's knife plane shows
    // where the search found it.
    EXPECT_EQ(run->driver().ypos(), 0);
    EXPECT_NEAR(run->bench().knifePlane(), opticalNull(*run, 1), 0.002);
    EXPECT_EQ(run->bench().platformMotor().missedSteps(), 0);
    const QList<int>& frames = run->framesPerZone();
    ASSERT_EQ(frames.size(), 20);
    for (int count : frames)
        EXPECT_GE(count, run->settings().autoTest.TFFinalFrames); // a null needs a full average
    EXPECT_EQ(std::accumulate(frames.begin(), frames.end(), 0), run->framesMeasured());

    EXPECT_TRUE(run->dataSaved());
    const QStringList report =
        lines(joinPath(folder.path(), {"TestResults", "Demo6f4", "TextData", "test1.txt"}));
    EXPECT_EQ(report.value(0), "Mirror Diameter = 6 ROC = 48 Conic Constant = -1 Units are in "
                               "Inches Moving Source Tester");
    QStringList zone5;
    for (int set = 0; set < 4; ++set)
        zone5 << numberText(run->readings().at(5, set));
    EXPECT_TRUE(report.value(5).endsWith(" Readings = " + zone5.join(" \t")));
    // The record's seventh line holds the next test's number.
    EXPECT_EQ(lines(mirrorRecordPath(folder.path(), "Demo6f4")).value(6), "2");
    // Each null's pictures are drawn when saved: the overlay on a copy of the bare frame.
    const QString images = joinPath(folder.path(), {"TestResults", "Demo6f4", "Images", "Test1"});
    const QImage overlay(joinPath(images, {"Zone5rep3.bmp"}));
    const QImage raw(joinPath(images, {"Raw_Zone5rep3.bmp"}));
    EXPECT_TRUE(raw.size() == QSize(320, 240) && overlay.size() == raw.size() && overlay != raw);
    // Beside them, every searched frame: its positions, zone and window levels.
    const QStringList log = lines(joinPath(images, {"frames.csv"}));
    ASSERT_EQ(log.size(), run->test()->frameLog().size() + 1);
    EXPECT_EQ(log.size(), run->framesMeasured()); // all but zone 1's still frame at its null
    EXPECT_EQ(log.first(), "frame,seconds,knife,platform,zone,LZV,RZV");
    const FrameLogRow& last = run->test()->frameLog().last();
    EXPECT_EQ(log.last(), QStringLiteral("%1,%2,%3,%4,5,%5,%6")
                              .arg(log.size() - 1)
                              .arg(last.seconds, 0, 'f', 3)
                              .arg(last.knife)
                              .arg(last.platform)
                              .arg(last.LZV)
                              .arg(last.RZV));
    // Recorded beside the report: the same log, and a video of as many frames.
    const QString recorded =
        joinPath(folder.path(), {"TestResults", "Demo6f4", "TextData", "test1"});
    EXPECT_EQ(lines(recorded + "-frames.csv"), log);
    QFile video(recorded + ".avi");
    ASSERT_TRUE(video.open(QIODevice::ReadOnly));
    const QByteArray head = video.read(52); // RIFF, hdrl and avih headers, up to the frame count
    EXPECT_EQ(std::pair(head.mid(8, 4), qFromLittleEndian<quint32>(head.constData() + 48)),
              std::pair(QByteArray("AVI "), quint32(log.size() - 1)));
}

TEST(HeadlessOptics, OtherOpticsAndTestersReadTheirOwnNulls) {
    const struct {
        std::vector<std::pair<QString, QString>> bench;
        bool knifeLeftFixed;
    } cases[] = {{{{"conic", "-0.5"}}, false},
                 // A left knife waits on its own side of the beam, as it would on a real rig.
                 {{{"side", "left"}, {"fixed", "true"}, {"knife_offset", "-0.01"}}, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.knifeLeftFixed);
        ExampleFolder folder;
        folder.changeBench(c.bench);
        folder.changeSettings([&](Settings& s) {
            s.KnifeRight = !c.knifeLeftFixed;
            s.menus.fixedSource = c.knifeLeftFixed;
        });
        HeadlessOptions options;
        options.sets = 1;
        auto run = folder.preparedRun(options);
        ASSERT_TRUE(run->run()) << folder.messages.texts().join('\n').toStdString();
        expectReadings(*run, 1, [&](int zone) { return opticalReading(*run, zone); });
        EXPECT_EQ(run->PerfectFactor(), c.knifeLeftFixed ? 2 : 1);
        const double outer = run->readings().at(5, 0) / perfectReading(*run, 5);
        // The oblate spheroid has half the paraboloid's aberration. A fixed source doubles the
        // numbers; the readings fall short by the 1% that auto centre-size's circle is small
        // (a pixel of 100), twice over, since the numbers go with the square of the radius.
        EXPECT_NEAR(outer, c.knifeLeftFixed ? 0.98 : 0.5, c.knifeLeftFixed ? 0.01 : 0.1);
    }
}

// A bench mirror with a known error, secondary spherical (nearly free of focus and primary
// spherical): its saved test record, reduced, finds the error's own RMS about its best-fit conic.
TEST(HeadlessOptics, TheRecordOfABenchWithAKnownErrorReducesToThatErrorsRms) {
    const std::vector<std::pair<double, double>> error{{6, 2000}, {4, -3000}, {2, 1200}};
    ExampleFolder folder;
    folder.changeBench({{"conic", "-1\nsurface_error=6:2000,4:-3000,2:1200"}});
    HeadlessOptions options;
    options.sets = 2;
    auto run = folder.preparedRun(options);
    ASSERT_TRUE(run->run()) << folder.messages.texts().join('\n').toStdString();
    const ReadingsFileResult record = readReadingsFile(testRecordPath(
        run->settings().textpath, run->mirror().WorkFile, run->mirror().WorkNum - 1));
    ASSERT_TRUE(record.input) << record.error.toStdString();
    const double rms = reduceReadings(*record.input).mean.profile.surfaceRmsNm;

    // The bench's own: area-weighted over the same annulus, less its best fit of 1, r^2, r^4.
    const double a = run->mirror().MirDiam / 2;
    const double inner = record.input->edges.front();
    QList<std::array<double, 4>> samples; // r^0, r^2, r^4, height; each weighted by sqrt(r)
    for (int i = 0; i < 2000; ++i) {
        const double r = inner + (a - inner) * (i + 0.5) / 2000;
        double h = 0;
        for (const auto& [power, nm] : error)
            h += nm * std::pow(r / a, power);
        const double w = std::sqrt(r);
        samples.append({w, w * r * r, w * std::pow(r, 4), w * h});
    }
    double normal[3][4] = {};
    for (const auto& s : samples)
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 4; ++j)
                normal[i][j] += s[i] * s[j];
    for (int i = 0; i < 3; ++i) // Gauss-Jordan on the normal equations
        for (int k = 0; k < 3; ++k)
            if (k != i)
                for (int j = 3; j >= i; --j)
                    normal[k][j] -= normal[k][i] / normal[i][i] * normal[i][j];
    double sumSquares = 0, sumWeights = 0;
    for (const auto& s : samples) {
        double fit = 0;
        for (int i = 0; i < 3; ++i)
            fit += s[i] * normal[i][3] / normal[i][i];
        sumSquares += (s[3] - fit) * (s[3] - fit);
        sumWeights += s[0] * s[0];
    }
    const double benchRms = std::sqrt(sumSquares / sumWeights);
    EXPECT_NEAR(rms, benchRms, 0.15 * benchRms) << "bench " << benchRms << " nm";
}

TEST(HeadlessOptics, AbortDuringTheSecondSetKeepsTheFirstSetsReadings) {
    ExampleFolder folder;
    auto run = folder.preparedRun();
    ASSERT_EQ(run->sets(), 2);
    HeadlessTestRun* r = run.get();
    // The operator ticks "Abort Action" while set 2 works on zone 3.
    run->setOperator([r] {
        if (r->test() && r->test()->currentSet() == 1 && r->test()->currentZone() == 3)
            r->program().requestAbort(true);
    });
    EXPECT_FALSE(run->run());
    EXPECT_FALSE(run->testCompleted());
    EXPECT_EQ(run->outputs().MotorStatus, "Test Aborted!");
    expectReadings(*run, 1, [&](int zone) { return perfectReading(*run, zone); });
    for (int zone = 3; zone <= 5; ++zone)
        EXPECT_EQ(run->readings().at(zone, 1), 0.0) << zone;
    EXPECT_NEAR(run->readings().at(2, 1), run->readings().at(2, 0), 0.002);
    // No Save Data after an abort: the record keeps its test number.
    EXPECT_FALSE(run->saveResult().has_value());
    EXPECT_EQ(lines(mirrorRecordPath(folder.path(), "Demo6f4")).value(6), "1");
}

// The motors on the motor board's simulator, over a pseudo-terminal: the readings of the bench
// driven directly. A board that stops answering aborts the test, naming its port, and the zones
// found before are kept.
TEST(SerialMotorBoard, ReadsAsTheBenchDirectlyAndABoardThatStopsAnsweringAbortsTheTest) {
    HeadlessOptions options;
    options.sets = 1;
    ExampleFolder direct;
    const auto bench = direct.preparedRun(options);
    ASSERT_TRUE(bench->run());
    for (bool silenced : {false, true}) {
        ExampleFolder folder;
        ASSERT_TRUE(saveHardwareConfig(folder.path(),
                                       {PortBackend::Serial, SimulatedSerialDevice, DefaultBaud,
                                        joinPath(folder.path(), {"bench-demo6f4.ini"})}));
        auto run = folder.preparedRun(options);
        SimulatedBoard* board = run->simulatedBoard();
        ASSERT_TRUE(board);
        if (silenced)
            run->setOperator([&] {
                if (run->test()->currentZone() == 3)
                    board->inject(SimulatedBoard::Fault::Silence);
            });
        EXPECT_EQ(run->run(), !silenced);
        for (int zone = 1; zone <= (silenced ? 2 : 5); ++zone)
            EXPECT_EQ(run->readings().at(zone, 0), bench->readings().at(zone, 0)) << zone;
        if (silenced) {
            EXPECT_EQ(folder.messages.texts(),
                      QStringList{"The motor board on " + board->slavePath() +
                                  " does not answer; the motors are stopped. The test is "
                                  "aborted."});
        }
        EXPECT_EQ(run->outputs().MotorStatus, silenced ? "Test Aborted!" : "Test Complete! :)");
    }
}

// A dark mirror never balances bright enough: the search cuts the knife out again and again.
TEST(HeadlessOptics, ASearchThatNeverNullsIsAbortedAfterItsFrameHalfStepOrTimeLimit) {
    const struct {
        int frames;
        qint64 halfSteps;
        double minutes;
        int largeMove;
        QString told;
    } cases[] = {{300, 250'000, 30, 6, "No null of zone 1 in 300 frames"},
                 {4000, 20'000, 30, 10'000, "No null of zone 1 in 20000 half-steps of the motors"},
                 {4000, 250'000, 0.5, 10'000,
                  "The test has run 0.5 minutes of camera and motor "
                  "time"}};
    for (const auto& c : cases) {
        ExampleFolder folder;
        folder.changeBench({{"gain", "0"}});
        folder.changeSettings([&](Settings& s) { s.autoTest.LRLgMove = c.largeMove; });
        HeadlessOptions options;
        options.sets = 1;
        options.circle = MirrorCircle{160, 120, 99};
        options.framesPerZoneLimit = c.frames;
        options.halfStepsPerZoneLimit = c.halfSteps;
        options.minutesPerTestLimit = c.minutes;
        auto run = folder.preparedRun(options);
        EXPECT_FALSE(run->run());
        EXPECT_EQ(run->outputs().MotorStatus, "Test Aborted!");
        ASSERT_EQ(run->framesPerZone().size(), 1);
        // The abort lands on the frame after the limit; the closing still frame counts too.
        EXPECT_LE(run->framesPerZone()[0], c.frames + 3);
        EXPECT_TRUE(folder.messages.texts().contains(c.told + ": the test is aborted."))
            << folder.messages.texts().join('\n').toStdString();
    }
}

TEST(HeadlessCommand, ACompletedTestPrintsReadingsBesidePerfectNumbers) {
    ExampleFolder folder;
    const CommandResult r = runCommand({"test", "--program-folder", folder.path(), "--mirror",
                                        "Demo6f4", "--sets", "1", "--circle", "160,120,99"});
    EXPECT_EQ(r.exit, ExitCompleted) << r.err.toStdString();
    const QStringList out = r.out.split('\n');
    ASSERT_GE(out.size(), 16) << r.out.toStdString();
    EXPECT_EQ(out[0], "Mirror Demo6f4: diameter 6\", ROC 48\", conic -1, 5 zones, moving "
                      "source, knife right; 1 set(s)");
    EXPECT_EQ(out[1], "Mirror circle: centre 160,120, radius 99 px");
    EXPECT_EQ(out[2].simplified(), "Zone Radius Set 1 Perf# Diff");
    EXPECT_TRUE(out[3].simplified().startsWith("1 0.822 0 0 0")) << out[3].toStdString();
    EXPECT_TRUE(out[7].simplified().startsWith("5 2.844 ")) << out[7].toStdString();
    for (int row = 3; row <= 7; ++row) {
        const auto difference = parseNumber(out[row].simplified().section(' ', -1));
        ASSERT_TRUE(difference.has_value()) << out[row].toStdString();
        EXPECT_LE(std::abs(*difference), 0.002) << out[row].toStdString();
    }
    // The verdict on the bench's perfect paraboloid: only the readings' rounding is left.
    EXPECT_TRUE(out[8].startsWith("1/") && out[9].startsWith("Surface RMS "));
    EXPECT_EQ(out[11], "Millies-Lacroix: pass in every zone");
    EXPECT_EQ(out[12], "Test Complete! :)");
    EXPECT_TRUE(out[13].startsWith("Saved as test 1 of Demo6f4: ") && out[13].endsWith("test1.txt"))
        << out[13].toStdString();
    EXPECT_TRUE(out[14].startsWith("Frames: ") &&
                out[14].contains(" per zone on average over 5 zone searches"))
        << out[14].toStdString();
    EXPECT_TRUE(out[15].startsWith("Wall time: ")) << out[15].toStdString();
}

TEST(HeadlessCommand, WithoutASettingsFileTheFirstRunDefaultsServe) {
    ExampleFolder folder;
    ASSERT_TRUE(QFile::remove(settingsFilePath(folder.path())));
    // The defaults put the knife on the left of the source: so does this bench.
    folder.changeBench({{"side", "left"}, {"knife_offset", "-0.01"}});
    const CommandResult r = runCommand(
        {"test", "--program-folder", folder.path(), "--mirror", "Demo6f4", "--sets", "1"});
    EXPECT_EQ(r.exit, ExitCompleted) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("Initialization Error :(: Unable to Load Orvane.ini"));
    EXPECT_TRUE(r.out.contains("moving source, knife left; 1 set(s)")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("Test Complete! :)"));
    // The first-run data folder, and the debug log that the defaults switch on.
    EXPECT_TRUE(QFile::exists(
        joinPath(folder.path(), {"TestResults", "Demo6f4", "TextData", "test1.txt"})));
    EXPECT_TRUE(QFile::exists(joinPath(folder.path(), {"Debug.txt"})));
    // A headless run opens no dialog and so never writes the settings.
    EXPECT_FALSE(QFile::exists(settingsFilePath(folder.path())));
}

// A record copied from Demo6f4 and not renamed inside is filed under its own name.
TEST(HeadlessCommand, ACopiedRecordSavesItsOwnFilesAndNoneOfTheMirrorItWasCopiedFrom) {
    ExampleFolder folder;
    const QString demo = mirrorRecordPath(folder.path(), "Demo6f4");
    const QStringList demoLines = lines(demo);
    ASSERT_TRUE(QFile::copy(demo, joinPath(folder.path(), {"mirrors", "Copy.ini"})));
    const CommandResult r = runCommand({"test", "--program-folder", folder.path(), "--mirror",
                                        "Copy", "--sets", "1", "--circle", "160,120,99"});
    EXPECT_EQ(r.exit, ExitCompleted) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("names the mirror \"Demo6f4\" on its first line; its tests are "
                               "filed under its own name, Copy."));
    EXPECT_TRUE(r.out.contains("Saved as test 1 of Copy: "));
    EXPECT_EQ(lines(demo), demoLines);
    EXPECT_EQ(lines(mirrorRecordPath(folder.path(), "Copy")).mid(0, 7),
              QStringList({"Copy", "6", "48", "-1", "0", "5", "2"}));
    EXPECT_FALSE(QFile::exists(joinPath(folder.path(), {"TestResults", "Demo6f4"})));
}

} // namespace

// Test 1 is there already; then the disk fills at the record, then at the report. Nothing is
// written over, the record's number never passes what is on disk, and exit 1 says what failed.
TEST(HeadlessCommand, ATakenNumberOrAFullDiskIsToldAndNothingIsWrittenOver) {
    ExampleFolder folder;
    const QString reports = joinPath(folder.path(), {"TestResults", "Demo6f4", "TextData"});
    const QString record = mirrorRecordPath(folder.path(), "Demo6f4");
    ASSERT_TRUE(ensureFolder(reports) && writeTextFile(reports + "/test1.txt", "test 1\r\n"));
    const struct {
        StoppingFileSystem::Choice fullAt;
        int exit;
        QString out;
        QString told;
    } cases[] = {
        {StoppingFileSystem::atCall(0), ExitCompleted,
         "Saved as test 2 of Demo6f4: ", "Test Number Taken: Test 1 of Demo6f4 is already saved"},
        {StoppingFileSystem::atFirst("write", "Demo6f4.ini"), ExitFailed,
         "Saved " + reports + "/test3.txt\nSaved " + reports + "/test3.json\nNot saved: " + record +
             " was not saved: No space left on device while writing it",
         "The test number of Demo6f4 stays 3."},
        {StoppingFileSystem::atFirst("write", "test4.txt"), ExitFailed,
         "stays 3.\nNot saved: " + reports +
             "/test4.txt was not saved: No space left on device while writing it",
         "is already saved (" + reports + "/test3.txt), so this test is saved as test 4."}};
    for (const auto& c : cases) {
        StoppingFileSystem disk(StoppingFileSystem::Stop::DiskFull, c.fullAt);
        const CommandResult r = runCommand({"test", "--program-folder", folder.path(), "--mirror",
                                            "Demo6f4", "--sets", "1", "--circle", "160,120,99"});
        EXPECT_EQ(r.exit, c.exit);
        EXPECT_TRUE(r.out.contains(c.out)) << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(c.told)) << r.err.toStdString();
        EXPECT_EQ(lines(record).value(6), "3");
    }
    EXPECT_EQ(lines(reports + "/test1.txt"), QStringList{"test 1"});
    EXPECT_FALSE(QFile::exists(reports + "/test4.txt"));
}
