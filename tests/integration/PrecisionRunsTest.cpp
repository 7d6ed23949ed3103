// The precision search on noisy benches whose image drifts both ways: every reading within 0.0002
// inch of the bench's own null, in about half the frames of the usual search, which runs beside it
// for comparison; the table of both is printed.
#include "ExampleFolder.h"

#include "core/ProgramFolder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {

struct Outcome {
    double worst = 0; // inches from the bench's null
    double framesPerZone = 0;
};

// `backlash` half-steps of play in each motor's screw.
Outcome runOn(int zones, bool fixedSource, bool knifeRight, bool precision, int backlash = 0) {
    ExampleFolder folder;
    folder.writeMirror({"Nine6f4", "6", "48", "-1", "0", "9", "1"});
    folder.changeBench({{"fixed", fixedSource ? "true" : "false"},
                        {"side", knifeRight ? "right" : "left"},
                        {"knife_offset", knifeRight ? "0.01" : "-0.01"},
                        {"noise", "2\ndrift_x=0.002\ndrift_y=-0.002"},
                        {"lr_step", "0.000125\nbacklash=" + QString::number(backlash)}});
    folder.changeSettings([&](Settings& s) {
        s.KnifeRight = knifeRight;
        s.menus.fixedSource = fixedSource;
    });
    HeadlessOptions options;
    options.sets = 1;
    options.track = true;
    options.precision = precision;
    options.mirror = zones == 9 ? "Nine6f4" : "Demo6f4";
    auto run = folder.preparedRun(options);
    EXPECT_TRUE(run->run()) << folder.messages.texts().join('\n').toStdString();
    Outcome outcome{0, double(run->framesMeasured()) / zones};
    for (int zone = 1; zone <= zones; ++zone)
        outcome.worst = std::max(
            outcome.worst, std::abs(run->readings().at(zone, 0) - opticalReading(*run, zone)));
    return outcome;
}

TEST(PrecisionSearch, ReadsEveryBenchsNullsWithinTwoTenThousandthsInAboutHalfTheFrames) {
    std::printf("zones source knife | precision: worst in, frames/zone | usual: worst in, "
                "frames/zone\n");
    for (int zones : {5, 9})
        for (bool fixedSource : {false, true})
            for (bool knifeRight : {true, false}) {
                SCOPED_TRACE(testing::Message() << zones << fixedSource << knifeRight);
                const Outcome precise = runOn(zones, fixedSource, knifeRight, true);
                const Outcome usual = runOn(zones, fixedSource, knifeRight, false);
                std::printf("%d %s %s | %.5f %.1f | %.5f %.1f\n", zones,
                            fixedSource ? "fixed" : "moving", knifeRight ? "right" : "left",
                            precise.worst, precise.framesPerZone, usual.worst, usual.framesPerZone);
                EXPECT_LE(precise.worst, 0.0002);
                EXPECT_LE(usual.worst, 0.002);
                EXPECT_LE(precise.framesPerZone, usual.framesPerZone / 2);
            }
}

// Thirty half-steps of play, more than the search's final moves: every point of the fit is
// still reached with the play taken up the same way.
TEST(PrecisionSearch, TakesUpTheScrewsPlay) {
    EXPECT_LE(runOn(5, true, true, true, 30).worst, 0.0002);
    EXPECT_LE(runOn(9, false, false, true, 30).worst, 0.0002);
}

// A mirror cooling after polishing: its conic rises 0.02 a minute, and two precision tests ten
// minutes apart find it 0.2 apart; each test's record keeps its readings' standard errors.
TEST(RepeatedTests, EachTestOfASeriesFindsTheConicOfItsTime) {
    ExampleFolder folder;
    folder.changeBench({{"conic", "-1\nconic_drift=0.02"}});
    const CommandResult r =
        runCommand({"test", "--program-folder", folder.path(), "--mirror", "Demo6f4", "--sets", "1",
                    "--precision", "--repeat", "2", "--every", "10"});
    EXPECT_EQ(r.exit, ExitCompleted) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("Run 2 of 2 at 10 min\n")) << r.out.toStdString();
    const QStringList rows = r.out.section("Series of 2 tests", 1).split('\n').mid(1, 2);
    ASSERT_EQ(rows.size(), 2);
    const auto conic = [](const QString& row) { return row.section("conic ", 1).toDouble(); };
    EXPECT_NEAR(conic(rows[0]), -0.985, 0.01); // the readings' own bias at the start
    EXPECT_NEAR(conic(rows[1]) - conic(rows[0]), 0.2, 0.01);
    QFile record(joinPath(folder.path(), {"TestResults", "Demo6f4", "TextData", "test2.json"}));
    ASSERT_TRUE(record.open(QIODevice::ReadOnly));
    const QJsonObject test = QJsonDocument::fromJson(record.readAll()).object()["test"].toObject();
    EXPECT_EQ(test["search"].toString(), "precision");
    const QJsonArray errors = test["standard_errors"].toArray().at(0).toArray();
    ASSERT_EQ(errors.size(), 5);
    for (const QJsonValue& error : errors)
        EXPECT_TRUE(error.toDouble() > 0 && error.toDouble() <= 0.00004) << error.toDouble();
}

} // namespace
