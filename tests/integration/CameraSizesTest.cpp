// Whole headless runs on benches whose camera gives large frames of another shape: the picture
// keeps the mirror round, and the readings and the circle come out as on a 320 x 240 camera.
#include "ExampleFolder.h"

#include "capture/FrameMapping.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

TEST(CameraSizes, LargeWideFramesReadTheBenchsNullsAndFindTheMirror) {
    const struct {
        int width, height;
        double centerX, centerY, radius;
        bool track; // untracked, the circle is auto centre-size's alone
    } cases[] = {{1280, 720, 600, 380, 300, true}, {1920, 1080, 1000, 520, 420, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        ExampleFolder folder;
        folder.changeBench({{"width", QString::number(c.width)},
                            {"height", QString::number(c.height)},
                            {"center_x", QString::number(c.centerX)},
                            {"center_y", QString::number(c.centerY)},
                            {"radius", QString::number(c.radius)}});
        HeadlessOptions options;
        options.sets = 2;
        options.track = c.track;
        auto run = folder.preparedRun(options);
        ASSERT_TRUE(run->run()) << folder.messages.texts().join('\n').toStdString();
        EXPECT_EQ(run->outputs().MotorStatus, "Test Complete! :)");
        expectReadings(
            *run, 2, [&](int zone) { return opticalReading(*run, zone); }, 0.0015);
        // The outer zone reads far from 0, so a test that read nothing would fail.
        EXPECT_GT(opticalReading(*run, 5), 0.05);

        const FrameMapping mapping = FrameMapping::of(QSize(c.width, c.height));
        const QPointF centre = mapping.toPicture(QPointF(c.centerX, c.centerY));
        EXPECT_EQ(run->circleSource(), CircleSource::AutoCentre);
        EXPECT_NEAR(run->circle().x, centre.x(), 2);
        EXPECT_NEAR(run->circle().y, centre.y(), 2);
        EXPECT_NEAR(run->circle().radius, c.radius * mapping.scale, 2);
    }
}
