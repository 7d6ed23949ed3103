// The example of the main job: the Demo6f4 record (6 inch f/4 paraboloid, 5 zones) on its
// moving-source bench, two sets, as the example settings file gives them.
#include "ExampleFolder.h"
#include "OpticsExpectations.h"

#include "analysis/ZoneGeometry.h"
#include "app/core/NumberText.h"
#include "app/core/ProgramFolder.h"
#include "app/core/TextFile.h"
#include "results/MirrorRecord.h"

#include <gtest/gtest.h>
#include <numeric>

using namespace orvane;
using namespace orvane::testkit;

namespace {

constexpr double Margin = 0.002; // inch

double perfect(const HeadlessTestRun& run, int zone) {
    return perfectNumber(run.zones(), zone, run.mirror().MirDiam, run.mirror().Roc,
                         run.PerfectFactor());
}

void expectPerfectNumbers(HeadlessTestRun& run) {
    EXPECT_EQ(run.outputs().MotorStatus, "Test Complete! :)");
    EXPECT_EQ(run.sets(), 2);
    EXPECT_EQ(run.PerfectFactor(), 1);
    // The outer zone's number is far from 0, so a test that read nothing would fail.
    EXPECT_NEAR(perfect(run, 5), 0.077, 0.0005);
    expectReadings(
        run, 2, [&](int zone) { return perfect(run, zone); }, Margin);
    // The optics at the radii the windows sample agree as well.
    expectReadings(
        run, 2, [&](int zone) { return opticalReading(run, zone); }, Margin);
}

void expectCircleFromTheBench(HeadlessTestRun& run) {
    const BenchConfig::Camera& truth = run.bench().config().camera;
    EXPECT_EQ(run.circleSource(), CircleSource::AutoCentre);
    EXPECT_NEAR(run.circle().x, truth.centerX, 2);
    EXPECT_NEAR(run.circle().y, truth.centerY, 2);
    EXPECT_NEAR(run.circle().radius, truth.radius, 2);
    EXPECT_EQ(run.knifeClearanceSteps(), 400); // 0.05 inch of 0.000125 inch half-steps
}

void expectPlatformBackAtZoneOnesNull(HeadlessTestRun& run) {
    // Zone 1's first null is the origin the rewind returns to, so the bench's knife plane now
    // shows where the search found it.
    EXPECT_EQ(run.driver().ypos(), 0);
    EXPECT_NEAR(run.bench().knifePlane(), opticalNull(run, 1), Margin);
    EXPECT_EQ(run.bench().platformMotor().missedSteps(), 0);
}

void expectFramesPerZoneSearch(const HeadlessTestRun& run) {
    const QList<int>& frames = run.framesPerZone();
    ASSERT_EQ(frames.size(), 10); // 5 zones, 2 sets
    for (int count : frames)
        EXPECT_GE(count, run.settings().autoTest.TFFinalFrames); // a null needs a full average
    EXPECT_EQ(std::accumulate(frames.begin(), frames.end(), 0), run.framesMeasured());
}

void expectReportAndRecord(const HeadlessTestRun& run, const QString& folder) {
    EXPECT_TRUE(run.dataSaved());
    const QString report =
        findPathIgnoringCase(joinPath(folder, {"TestResults", "Demo6f4", "TextData", "test1.txt"}));
    const auto lines = readTextLines(report);
    ASSERT_TRUE(lines.has_value()) << report.toStdString();
    ASSERT_GE(lines->size(), 6);
    EXPECT_EQ(lines->at(0), "Mirror Diameter = 6 ROC = 48 Conic Constant = -1 Units are in "
                            "Inches Moving Source Tester");
    for (int zone = 1; zone <= 5; ++zone) {
        const QString& line = lines->at(zone);
        EXPECT_TRUE(line.startsWith(QStringLiteral(" Zone %1 radius = ").arg(zone)))
            << line.toStdString();
        const QStringList readings = line.section(" Readings = ", 1).split('\t');
        ASSERT_EQ(readings.size(), 2) << line.toStdString();
        for (int set = 0; set < 2; ++set)
            EXPECT_EQ(parseNumber(readings[set].trimmed()), run.readings().at(zone, set))
                << line.toStdString();
    }
    // The record's seventh line holds the next test's number.
    const auto record = readTextLines(mirrorRecordPath(folder, "Demo6f4"));
    ASSERT_TRUE(record.has_value());
    ASSERT_EQ(record->size(), 7);
    EXPECT_EQ(record->at(6), "2");
    EXPECT_EQ(run.mirror().WorkNum, 2);
}

// One run serves every check: the run is the slow part.
TEST(ExampleMirror, ReadsThePerfectNumbersAndSavesThem) {
    ExampleFolder folder;
    auto run = folder.preparedRun();
    ASSERT_TRUE(run->run()) << folder.messages.texts().join('\n').toStdString();
    {
        SCOPED_TRACE("readings");
        expectPerfectNumbers(*run);
    }
    {
        SCOPED_TRACE("mirror circle");
        expectCircleFromTheBench(*run);
    }
    {
        SCOPED_TRACE("rewind");
        expectPlatformBackAtZoneOnesNull(*run);
    }
    {
        SCOPED_TRACE("frames");
        expectFramesPerZoneSearch(*run);
    }
    {
        SCOPED_TRACE("save data");
        expectReportAndRecord(*run, folder.path());
    }
}

} // namespace
