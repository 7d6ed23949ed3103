#include "analysis/ZoneMeasurer.h"
#include "AnalysisFakes.h"
#include "analysis/PictureStyle.h"
#include "analysis/PixelIntensity.h"
#include "analysis/StatusTexts.h"
#include "app/core/Clock.h"
#include "app/core/EventPump.h"
#include "app/core/Settings.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {

// One zone whose windows sit at columns 110 (left) and 210 (right), rows 117..123.
struct MeasureRig {
    VirtualClock clock;
    CallbackEventPump pump;
    ZoneMeasurer measurer{clock};
    ZoneTable zones;
    MirrorData mirror;
    Settings settings;
    QString status = QStringLiteral("Searching");
    MirrorCircle circle{160, 120, 100};
    LiveDisplays out;
    bool manual = true;
    bool barsOff = false;
    bool tracking = false;

    MeasureRig() {
        zones.centerFrac[1] = 0.5;
        mirror.NZ = 1;
        mirror.MirDiam = 10;
        clearPicture(out.picture2, QSize(300, 100));
    }

    MeasureResult measure(const QImage& frame) {
        const MeasureInputs in{.zones = zones,
                               .mirror = mirror,
                               .settings = settings,
                               .MotorStatus = status,
                               .Ypos = 0,
                               .tracking = tracking,
                               .barsOff = barsOff,
                               .manual = manual};
        clock.spinNs(40'000'000);
        return measurer.measureZones(frame, in, circle, out, pump);
    }
};

QImage windowsFrame(const int (&left)[7], QRgb right) {
    QImage frame = uniformFrame(qRgb(0, 0, 0));
    for (int j = 0; j < 7; ++j) {
        frame.setPixel(110, 117 + j, qRgb(left[j], 0, 0));
        frame.setPixel(210, 117 + j, right);
    }
    return frame;
}

int columnExtent(const QImage& image, int x, const QColor& colour, int* top) {
    int n = 0;
    *top = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(x, y) == colour) {
            if (*top < 0)
                *top = y;
            ++n;
        }
    }
    return n;
}

} // namespace

TEST(PixelIntensity, LargestOfTheThreeColoursAndZeroOutside) {
    EXPECT_EQ(pixelIntensity(qRgb(255, 255, 255)), 255);
    EXPECT_EQ(pixelIntensity(qRgb(200, 255, 255)), 255);
    EXPECT_EQ(pixelIntensity(qRgb(10, 20, 30)), 30);
    EXPECT_EQ(pixelIntensity(qRgb(40, 20, 30)), 40);
    EXPECT_EQ(pixelIntensity(qRgb(10, 50, 30)), 50);
    const QImage frame = uniformFrame(qRgb(9, 9, 9));
    EXPECT_EQ(pixelIntensity(frame, 0, 0), 9);
    EXPECT_EQ(pixelIntensity(frame, -1, 0), 0);
    EXPECT_EQ(pixelIntensity(frame, 320, 0), 0);
    EXPECT_EQ(pixelIntensity(frame, 0, 240), 0);
    EXPECT_EQ(pixelIntensity(QImage(), 0, 0), 0);
}

TEST(ZoneMeasurer, WindowAverageTruncatesAndSingleFrameFollowsTheNewest) {
    MeasureRig rig;
    rig.measurer.setFramesToAverage(1);
    rig.measure(windowsFrame({10, 10, 10, 10, 10, 10, 11}, qRgb(200, 255, 255)));
    EXPECT_EQ(rig.measurer.LZV(1), 10);
    EXPECT_EQ(rig.measurer.RZV(1), 255);
    rig.measure(windowsFrame({100, 100, 100, 100, 100, 100, 100}, qRgb(255, 255, 255)));
    EXPECT_EQ(rig.measurer.LZV(1), 100);
    EXPECT_EQ(rig.measurer.leftHistory(1, 1), 100);
    EXPECT_EQ(rig.measurer.leftHistory(2, 1), 10);
}

TEST(ZoneMeasurer, ThirtyFrameAverageClimbsOverThirtyFrames) {
    MeasureRig rig;
    rig.measurer.setFramesToAverage(30);
    const QImage lit = windowsFrame({255, 255, 255, 255, 255, 255, 255}, qRgb(255, 255, 255));
    rig.measure(lit);
    EXPECT_EQ(rig.measurer.LZV(1), 8); // 255 / 30
    for (int frame = 2; frame <= 15; ++frame)
        rig.measure(lit);
    EXPECT_EQ(rig.measurer.LZV(1), 127); // 15 * 255 / 30
    for (int frame = 16; frame <= 30; ++frame)
        rig.measure(lit);
    EXPECT_EQ(rig.measurer.LZV(1), 255);
    EXPECT_EQ(rig.measurer.leftHistory(30, 1), 255);

    // The oldest slot drops out: a dark frame after thirty lit ones.
    rig.measure(uniformFrame(qRgb(0, 0, 0)));
    EXPECT_EQ(rig.measurer.LZV(1), 246); // 29 * 255 / 30
}

TEST(ZoneMeasurer, FramesToAverageStaysWithinTheHistory) {
    VirtualClock clock;
    ZoneMeasurer measurer(clock);
    EXPECT_EQ(measurer.framesToAverage(), 10);
    measurer.setFramesToAverage(45);
    EXPECT_EQ(measurer.framesToAverage(), 30);
    EXPECT_EQ(measurer.averagingCaption(), "Averaging 30 Frames");
    measurer.setFramesToAverage(0);
    EXPECT_EQ(measurer.framesToAverage(), 1);
}

TEST(ZoneMeasurer, ReadsTheRawFrameNotTheOverlay) {
    MeasureRig rig;
    rig.zones.centerFrac[1] = 0; // both windows on the crosshair's column
    rig.measurer.setFramesToAverage(1);
    const QImage dark = uniformFrame(qRgb(0, 0, 0));
    rig.measure(dark);
    rig.measure(dark);
    EXPECT_EQ(rig.measurer.LZV(1), 0);
    EXPECT_EQ(rig.out.picture1.pixelColor(160, 118), colours::Magenta);
    EXPECT_EQ(dark.pixel(160, 118), qRgb(0, 0, 0));
    EXPECT_EQ(rig.pump.count(), 2);
}

TEST(ZoneMeasurer, WindowsOutsideThePictureReadZero) {
    MeasureRig rig;
    rig.circle = {300, 120, 100};
    rig.measurer.setFramesToAverage(1);
    rig.measure(uniformFrame(qRgb(255, 255, 255)));
    EXPECT_EQ(rig.measurer.LZV(1), 255);
    EXPECT_EQ(rig.measurer.RZV(1), 0); // column 350
}

TEST(ZoneMeasurer, BarsStandOnTheBaseLineWithHeightsOfTheirValues) {
    MeasureRig rig;
    rig.measurer.setFramesToAverage(1);
    rig.measure(windowsFrame({0, 0, 0, 0, 0, 0, 0}, qRgb(255, 255, 255)));
    const QImage& bars = rig.out.picture2;
    int top = 0;
    // W = 300, T = 100, H = 100: the left bar spans x 50..149, the right 150..249.
    EXPECT_EQ(columnExtent(bars, 60, colours::Blue, &top), 0);  // value 0: no bar
    EXPECT_EQ(columnExtent(bars, 240, colours::Red, &top), 95); // 255/256 * 100 ends at 95
    EXPECT_EQ(top, 0);

    rig.measure(windowsFrame({128, 128, 128, 128, 128, 128, 128}, qRgb(64, 0, 0)));
    EXPECT_EQ(columnExtent(bars, 60, colours::Blue, &top), 50);
    EXPECT_EQ(top, 45);
    EXPECT_EQ(columnExtent(bars, 240, colours::Red, &top), 25);
    EXPECT_EQ(top, 70);
    EXPECT_EQ(bars.pixelColor(250, 80), colours::BoxBackground); // bars are T wide
    EXPECT_EQ(bars.pixelColor(49, 80), colours::BoxBackground);
}

TEST(ZoneMeasurer, BarsOffLeavesPicture2Alone) {
    MeasureRig rig;
    rig.barsOff = true;
    rig.out.picture2.fill(Qt::darkGreen);
    const QImage before = rig.out.picture2.copy();
    rig.measure(uniformFrame(qRgb(255, 255, 255)));
    EXPECT_EQ(rig.out.picture2, before);
    EXPECT_EQ(rig.measurer.LZV(1), 25);
}

TEST(ZoneMeasurer, TestRunMovesSlider1AndCaptionFollowsTheAveraging) {
    MeasureRig rig;
    rig.measurer.setFramesToAverage(4);
    rig.measure(uniformFrame(qRgb(0, 0, 0)));
    EXPECT_EQ(rig.out.frame3Caption, "Averaging 4 Frames");
    EXPECT_FALSE(rig.out.slider1Position.has_value());
    rig.manual = false;
    rig.measure(uniformFrame(qRgb(0, 0, 0)));
    EXPECT_EQ(rig.out.slider1Position, 4);
}

TEST(ZoneMeasurer, TrackingFailureIsReportedAndTheCircleStays) {
    MeasureRig rig;
    rig.tracking = true;
    const MeasureResult dark = rig.measure(uniformFrame(qRgb(0, 0, 0)));
    EXPECT_TRUE(dark.trackingFailed);
    EXPECT_EQ(rig.circle.x, 160);
    EXPECT_EQ(rig.circle.y, 120);

    const MeasureResult disc = rig.measure(discFrame(160, 120, 100));
    EXPECT_FALSE(disc.trackingFailed);
    EXPECT_EQ(rig.circle.x, 159);
}

TEST(FrameRateMeter, RoundsWhenMeasuringAndTruncatesInTheOutlineLoop) {
    VirtualClock clock;
    FrameRateMeter meter(clock);
    clock.spinNs(37'600'000);                                    // 26.6 frames a second
    EXPECT_EQ(meter.tick(FrameRateMeter::Rounding::Nearest), 2); // 27 / 10
    EXPECT_EQ(meter.ring(0), 27);
    clock.spinNs(37'600'000);
    meter.tick(FrameRateMeter::Rounding::Truncate);
    EXPECT_EQ(meter.ring(0), 26);
    EXPECT_EQ(meter.ring(1), 27);
    EXPECT_EQ(meter.ring(9), 27);

    // Nine frames at 25 a second show 22: the sum of nine rates is divided by ten.
    FrameRateMeter steady(clock);
    qint64 shown = 0;
    for (int frame = 0; frame < 9; ++frame) {
        clock.spinNs(40'000'000);
        shown = steady.tick(FrameRateMeter::Rounding::Nearest);
    }
    EXPECT_EQ(shown, 22);
    // Two frames in the same instant repeat the newest rate.
    EXPECT_EQ(steady.tick(FrameRateMeter::Rounding::Nearest), 22);
    EXPECT_EQ(steady.ring(0), 25);
}

TEST(StatusTexts, KnifeTravelInTheUsersUnit) {
    Settings settings;
    settings.StepSize = 0.000125;
    EXPECT_EQ(knifeTravelText(-40, settings), "Knife Travel = -0.005\"");
    EXPECT_EQ(knifeTravelText(0, settings), "Knife Travel = 0\"");
    settings.Metric = true;
    EXPECT_EQ(knifeTravelText(-40, settings), "Knife Travel = -0.127mm");
    settings.StepSize = 0.00012345;
    settings.Metric = false;
    EXPECT_EQ(knifeTravelText(1, settings), "Knife Travel = 0.0001\"");
}
