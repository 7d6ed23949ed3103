// A video made of the bench's frames, played as a camera, measures as the frames themselves.
#include "analysis/ZoneGeometry.h"
#include "analysis/ZoneMeasurer.h"
#include "bench/SimulatedBench.h"
#include "capture/FrameMapping.h"
#include "capture/MjpegAviWriter.h"
#include "capture/VideoFileSource.h"
#include "core/Clock.h"
#include "support/TempFolder.h"

#include <QFileInfo>
#include <algorithm>
#include <gtest/gtest.h>

using namespace orvane;

namespace {
// What playing a Motion-JPEG AVI through GStreamer takes: playbin, the AVI demuxer, the decoder.
bool gstreamerPlaysMjpegAvi() {
    const QStringList folders = gstreamerPluginFolders();
    const auto has = [&](const char* plugin) {
        return std::any_of(folders.begin(), folders.end(), [&](const QString& folder) {
            return QFileInfo::exists(folder + QStringLiteral("/libgst%1.so").arg(plugin));
        });
    };
    return has("playback") && has("avi") && has("jpeg");
}

FrameMeasurement measure(const QImage& frame, const ZoneTable& zones, MirrorCircle circle) {
    VirtualClock clock;
    ZoneMeasurer measurer(clock);
    measurer.setFramesToAverage(1);
    return measurer.measureZones(frame, {zones, 8, false, true}, circle);
}
} // namespace

TEST(VideoFile, ABenchVideoPlayedAsACameraReadsAsTheBenchFrames) {
    BenchConfig config;
    config.camera = {
        .width = 1280, .height = 720, .centerX = 640, .centerY = 360, .radius = 300, .noise = 0};
    config.start.knifeOffset = -0.0006; // cutting, so the windows differ
    SimulatedBench bench(config);
    ASSERT_TRUE(bench.connectDriver(0));
    QImage benchFrame;
    ASSERT_TRUE(bench.grab(benchFrame));
    testkit::TempFolder folder;
    const QString path = folder.file(QStringLiteral("bench.avi"));
    MjpegAviWriter writer(path, benchFrame.size());
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(writer.addFrame(benchFrame));
    ASSERT_TRUE(writer.finish(30)) << writer.problem().toStdString();

    // The recorder's own videos, played by the backend Debian's Qt 6.4 uses by default.
    if (!gstreamerPlaysMjpegAvi())
        GTEST_SKIP() << "GStreamer's playbin, avi or jpeg plug-in is not installed.";
    qputenv("QT_MEDIA_BACKEND", "gstreamer");
    VideoFileSource video;
    QString error;
    ASSERT_TRUE(video.open(path, &error)) << error.toStdString();
    ASSERT_TRUE(video.connectDriver(0));
    QImage played;
    for (int i = 0; i < 5; ++i) // looping: more grabs than the video has frames
        ASSERT_TRUE(video.grab(played)) << i;
    ASSERT_EQ(played.size(), benchFrame.size());

    const ZoneTable zones = computeZoneGeometry(6, 1, 8).table;
    const MirrorCircle circle{160, 120, 75};
    const FrameMeasurement direct = measure(benchFrame, zones, circle);
    const FrameMeasurement fromVideo = measure(played, zones, circle);
    for (int zone = 1; zone <= 8; ++zone) {
        EXPECT_NEAR(fromVideo.LZV[zone], direct.LZV[zone], 3) << zone;
        EXPECT_NEAR(fromVideo.RZV[zone], direct.RZV[zone], 3) << zone;
    }
    EXPECT_GT(direct.LZV[8] - direct.RZV[8], 20); // the knife darkens one side
    video.setPaused(true);
    EXPECT_TRUE(video.grab(played));

    // A file that is no video is refused with a message naming it, and nothing is connected.
    VideoFileSource broken;
    EXPECT_FALSE(broken.open(folder.file(QStringLiteral("missing.avi")), &error));
    EXPECT_TRUE(error.contains("missing.avi")) << error.toStdString();
    EXPECT_FALSE(broken.connectDriver(0) || broken.grab(played));
}
