// A video made of the bench's frames, played as a camera, measures as the frames themselves.
#include "analysis/ZoneGeometry.h"
#include "analysis/ZoneMeasurer.h"
#include "bench/SimulatedBench.h"
#include "capture/FrameMapping.h"
#include "capture/VideoFileSource.h"
#include "core/Clock.h"
#include "support/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace orvane;

namespace {
// An uncompressed YUV4MPEG2 video of grey frames, which any libav build decodes; its luma is in
// the studio range 16..235, as decoders read it.
bool writeGreyVideo(const QString& path, const QList<QImage>& frames) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || frames.isEmpty())
        return false;
    const QSize size = frames.front().size();
    file.write(QStringLiteral("YUV4MPEG2 W%1 H%2 F30:1 Ip A1:1 C444\n")
                   .arg(size.width())
                   .arg(size.height())
                   .toLatin1());
    const QByteArray neutral(qsizetype(size.width()) * size.height() * 2, char(128));
    for (const QImage& frame : frames) {
        QByteArray luma;
        luma.reserve(qsizetype(size.width()) * size.height());
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                luma.append(char(16 + (qGreen(frame.pixel(x, y)) * 219 + 127) / 255));
        file.write("FRAME\n");
        file.write(luma);
        file.write(neutral);
    }
    return file.error() == QFile::NoError;
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
    const QString path = folder.file(QStringLiteral("bench.y4m"));
    ASSERT_TRUE(writeGreyVideo(path, {benchFrame, benchFrame, benchFrame}));

    // Debian's Qt ships two media backends; the FFmpeg one decodes without GStreamer's plug-ins.
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
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
    EXPECT_FALSE(broken.open(folder.file(QStringLiteral("missing.y4m")), &error));
    EXPECT_TRUE(error.contains("missing.y4m")) << error.toStdString();
    EXPECT_FALSE(broken.connectDriver(0) || broken.grab(played));
}
