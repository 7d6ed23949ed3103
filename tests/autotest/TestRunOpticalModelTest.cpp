#include "TestRunHarness.h"

#include "app/core/NumberText.h"
#include "autotest/ReadingsTable.h"
#include "support/DefaultSettings.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {

struct OpticalRun {
    explicit OpticalRun(bool knifeRight) {
        h.settings.autoTest = testkit::defaultSearchVariables();
        h.settings.KnifeRight = knifeRight;
        h.settings.SavePicture = 1; // records the counter at every null
        h.settings.Reps = 1;
        h.mirror.NZ = 3;
        optics.knifeRight = knifeRight;
        optics.nullY = {0, -50, 70, 30};
        optics.brightness = 90; // the knife has to cut in first
        h.rig.light = [this](int zone) { return optics.at(zone, h.rig); };
        h.rig.beforeGrab = [this] { physicalY.append(h.rig.physicalY()); };
    }

    TestRunHarness h;
    OpticalModel optics;
    QList<int> physicalY;
};

void expectNullsFound(OpticalRun& o) {
    TestRunHarness& h = o.h;
    const AutoTestVariables& v = h.settings.autoTest;
    ASSERT_EQ(h.rig.yposAtSave.size(), 6);
    const int origin = h.rig.yOrigin;
    for (int set = 0; set < 2; ++set) {
        for (int zone = 1; zone <= 3; ++zone) {
            const int ypos = h.rig.yposAtSave[set * 3 + zone - 1];
            // Found on the far side of the null, within one final move of it.
            const int fromNull = ypos + origin - o.optics.nullY[zone];
            EXPECT_GE(fromNull, 0) << set << " " << zone;
            EXPECT_LE(fromNull, v.TFFinalMoves) << set << " " << zone;
            EXPECT_EQ(h.readings.at(zone, set), roundHalfEven(ypos * 0.000125, 4));
        }
    }
    EXPECT_EQ(h.readings.at(1, 0), 0.0);
    for (const int frames : h.rig.averaged) {
        EXPECT_GE(frames, 1);
        EXPECT_LE(frames, 30);
    }
}

} // namespace

TEST(TestRunOpticalModel, KnifeRightFindsEveryNullAndRewinds) {
    OpticalRun o(true);
    TestRunHarness& h = o.h;
    ASSERT_TRUE(h.run->start());
    ASSERT_TRUE(h.runToEnd());
    expectNullsFound(o);
    EXPECT_LT(h.rig.grabs, 3000);
    // The knife cut into the beam with phase -1 to dim the bright zone; the platform went both
    // ways to reach nulls on either side.
    EXPECT_GT(h.rig.knifeSteps.count(-1), 0);
    EXPECT_GT(h.rig.platformSteps.count(NullSearch::TowardsMirror), 0);
    EXPECT_GT(h.rig.platformSteps.count(NullSearch::AwayFromMirror), 0);
    EXPECT_EQ(h.rig.x, 0);
    EXPECT_EQ(h.rig.y, 0);
    EXPECT_EQ(h.count("save data"), 1);
    EXPECT_EQ(h.outputs.MotorStatus, "Test Complete! :)");
    const QString table = readingsTableText(h.readings, 3, 1, QString());
    EXPECT_TRUE(h.outputs.Text2.endsWith("seconds\r\n" + table)) << h.outputs.Text2.toStdString();
}

TEST(TestRunOpticalModel, KnifeLeftMirrorsTheKnife) {
    OpticalRun o(false);
    TestRunHarness& h = o.h;
    ASSERT_TRUE(h.run->start());
    ASSERT_TRUE(h.runToEnd());
    expectNullsFound(o);
    EXPECT_GT(h.rig.knifeSteps.count(1), 0);
    EXPECT_EQ(h.count("save data"), 1);
}

TEST(TestRunOpticalModel, AbortInTheMiddleOfASearchStopsWhereItStands) {
    OpticalRun o(true);
    TestRunHarness& h = o.h;
    h.rig.afterMeasure = [&h] {
        if (h.run->currentSet() == 1 && h.run->currentZone() == 2 && h.run->search().frame() == 9)
            h.flags.abort = true;
    };
    ASSERT_TRUE(h.run->start());
    ASSERT_TRUE(h.runToEnd());
    EXPECT_EQ(h.rig.yposAtSave.size(), 4);
    EXPECT_NE(h.readings.at(2, 0), 0.0);
    EXPECT_NE(h.readings.at(3, 0), 0.0);
    EXPECT_EQ(h.readings.at(2, 1), 0.0);
    EXPECT_EQ(h.readings.at(3, 1), 0.0);
    EXPECT_EQ(h.outputs.MotorStatus, "Test Aborted!");
    EXPECT_EQ(h.count("save data"), 0);
    EXPECT_EQ(h.rig.releases, 1);
}
