// The precision search on noisy benches whose image drifts: every reading within 0.0002 inch of
// the bench's own null, in half the frames of the usual search, which runs beside it for
// comparison; the table of both is printed.
#include "ExampleFolder.h"

#include <QFile>
#include <cstdio>
#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {

struct Outcome {
    double worst = 0; // inches from the bench's null
    double framesPerZone = 0;
};

Outcome runOn(int zones, bool fixedSource, bool knifeRight, bool precision) {
    ExampleFolder folder;
    folder.writeMirror({"Nine6f4", "6", "48", "-1", "0", "9", "1"});
    folder.changeBench({{"fixed", fixedSource ? "true" : "false"},
                        {"side", knifeRight ? "right" : "left"},
                        {"knife_offset", knifeRight ? "0.01" : "-0.01"},
                        {"noise", "2\ndrift_x=0.002"}});
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

TEST(PrecisionSearch, ReadsEveryBenchsNullsWithinTwoTenThousandthsInHalfTheFrames) {
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
                EXPECT_LE(precise.framesPerZone, usual.framesPerZone / 2);
            }
}

} // namespace
