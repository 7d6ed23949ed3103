// The readings files a reduction reads: the JSON form, a test record, a sixtests set file.
#include "reduction/ReadingsFile.h"
#include "SixteenInch.h"
#include "analysis/ZoneGeometry.h"
#include "reduction/SetsReduction.h"
#include "reduction/SixtestsSetFile.h"
#include "reduction/TestReadings.h"
#include "reduction/TestRecord.h"
#include "results/SixtestsExport.h"

#include <QJsonDocument>
#include <gtest/gtest.h>

using namespace orvane;
using orvane::testkit::sixteenInch;

namespace {

TEST(ReadingsFile, JsonThatIsNotTheFormIsRefusedWithWhatIsWrong) {
    const QString good = R"({"mirror": {"diameter": 16, "roc": 144, "units": "in"},
        "source": "fixed", "zones": {"edges": [2, 5, 8]}, "readings": [[0.1, 0.3]]})";
    const struct {
        QString from, to, error;
    } cases[] = {
        {"{\"mirror\"", "[\"mirror\"",
         "This is not a JSON readings file (missing value separator at character 11)."},
        {"\"mirror\"", "\"mirrors\"", "The readings file has no \"mirror\" object."},
        {"\"in\"", "\"ft\"", "The mirror's \"units\" must be \"in\" or \"mm\"."},
        {"16", "\"16\"", "The mirror's \"diameter\" must be a number."},
        {"\"fixed\"", "\"still\"", "The \"source\" must be \"fixed\" or \"moving\"."},
        {"\"edges\"", "\"rims\"", "The \"zones\" must give \"edges\" or \"radii\"."},
        {"[2, 5, 8]", "[]", "The \"zones\" must give \"edges\" or \"radii\"."},
        {"[2, 5, 8]", "[2, \"5\", 8]", "The zones' \"edges\" must be a list of numbers."},
        {"[[0.1, 0.3]]", "[0.1, 0.3]", "Each set of \"readings\""},
        {"\"source\"", "\"test\": {\"number\": 2147483647}, \"source\"",
         "The test's \"number\" must be a whole number from 1 to 999999."},
    };
    for (const auto& c : cases) {
        const ReadingsFileResult r = readingsFromJson(QString(good).replace(c.from, c.to).toUtf8());
        EXPECT_FALSE(r.input) << c.to.toStdString();
        EXPECT_TRUE(r.error.startsWith(c.error)) << r.error.toStdString();
    }
    const ReadingsFileResult r = readingsFromJson(good.toUtf8());
    ASSERT_TRUE(r.input) << r.error.toStdString();
    EXPECT_EQ(r.input->mirror.conic, -1); // a paraboloid unless said
    EXPECT_EQ(r.input->wavelengthNm, DefaultWavelengthNm);
}

TEST(ReadingsFile, ATestRecordReadsBackAsItsInput) {
    ReadingsInput input = sixteenInch();
    input.source = TesterSource::Moving;
    input.radii = {2.8, 4.1, 5, 5.8, 6.5, 7.2, 7.7};
    input.sets.push_back({0, 0.02, 0.08, 0.11, 0.16, 0.28, 0.39});
    const TestRecordRun run{3, QDateTime({2026, 5, 1}, {21, 30}), "1.0.0", true, "bench.ini", {},
                            {}};
    const QJsonObject record = testRecordJson(input, run);
    EXPECT_EQ(record["test"]["device"]["kind"], "simulated bench");
    EXPECT_EQ(record["test"]["time"], "2026-05-01T21:30:00");
    const ReadingsFileResult back = readingsFromJson(QJsonDocument(record).toJson());
    ASSERT_TRUE(back.input) << back.error.toStdString();
    const ReadingsInput& r = *back.input;
    EXPECT_EQ(r.mirror.name, "M16");
    EXPECT_EQ(r.mirror.roc, 144);
    EXPECT_EQ(r.mirror.units, MirrorUnits::Inches);
    EXPECT_EQ(r.source, TesterSource::Moving);
    EXPECT_EQ(r.edges, input.edges);
    EXPECT_EQ(r.radii, input.radii);
    EXPECT_EQ(r.sets, input.sets);
    EXPECT_EQ(r.wavelengthNm, input.wavelengthNm);
}

TEST(SixtestsSetFile, TheExportedSetFileReadsBackInMillimetres) {
    Settings settings;
    settings.Reps = 1;
    settings.menus.fixedSource = true;
    const MirrorData mirror{"Demo", 150, 30, 1200, -1, 3, 4};
    const ZoneTable zones = computeZoneGeometry(150, 30, 3).table;
    ZoneReadings readings;
    for (int zone = 1; zone <= 3; ++zone)
        readings.at(zone, 0) = zone * 0.5, readings.at(zone, 1) = zone * 0.5 + 0.2;
    const ReadingsFileResult r =
        readingsFromSixtests(sixtestsSetText(settings, mirror, zones, readings, 0.05));
    ASSERT_TRUE(r.input) << r.error.toStdString();
    const ReadingsInput& in = *r.input;
    EXPECT_EQ(in.mirror.name, "Demo");
    EXPECT_EQ(in.mirror.units, MirrorUnits::Millimetres);
    EXPECT_EQ(in.mirror.diameter, 150);
    EXPECT_EQ(in.mirror.obstruction, 30);
    EXPECT_EQ(in.mirror.roc, 1200);
    EXPECT_EQ(in.source, TesterSource::Fixed);
    EXPECT_TRUE(in.edges.empty());
    ASSERT_EQ(in.radii.size(), 3u);
    EXPECT_NEAR(in.radii[2], 75 * zones.centerFrac[3], 0.05);
    EXPECT_EQ(in.sets, std::vector<std::vector<double>>({{0.6, 1.1, 1.6}}));
    EXPECT_EQ(in.readingSd, 0.05);
    settings.menus.fixedSource = false;
    EXPECT_EQ(
        readingsFromSixtests(sixtestsSetText(settings, mirror, zones, readings, 0)).input->source,
        TesterSource::Moving);
    EXPECT_EQ(readingsFromSixtests("Demo Test Number 4\r\n150 30\r\nRonchi\r\n").error,
              "This is not a sixtests set file: its third line is not \"Foucault\".");
}

} // namespace

namespace {

TEST(TestReadings, AFinishedTestOfAPerfectMirrorReducesToNoError) {
    const MirrorData mirror{"Demo", 6, 1.5, 48, -1, 4, 1};
    const ZoneTable zones = computeZoneGeometry(6, 1.5, 4).table;
    ZoneReadings readings;
    for (int zone = 1; zone <= 4; ++zone) {
        const double r = 3 * zones.centerFrac[zone];
        readings.at(zone, 0) = r * r / 96; // a paraboloid's, moving source
        readings.at(zone, 1) = r * r / 96 + 0.01;
    }
    const ReadingsInput input = testReadings(mirror, zones, readings, 2, false, false);
    EXPECT_EQ(input.edges.front(), 0.75);
    EXPECT_EQ(input.edges.back(), 3);
    EXPECT_EQ(input.radii[3], 3 * zones.centerFrac[4]);
    EXPECT_EQ(input.sets.size(), 2u);
    ASSERT_EQ(refusalOf(input), QString());
    EXPECT_LT(reduceReadings(input, {std::nullopt, 0}).mean.profile.surfaceRmsNm, 0.5);
    // The rim is the mirror's edge, though the single-precision table puts it a hair beyond.
    const double obstruction = 0.36129495569846976;
    const ZoneTable hair = computeZoneGeometry(2, obstruction, 7).table;
    EXPECT_EQ(testReadings({"Small", 2, obstruction, 1001, 1, 7, 1}, hair, readings, 1, 0, 0)
                  .edges.back(),
              1);
}

} // namespace
