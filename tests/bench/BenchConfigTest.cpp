#include "bench/BenchConfig.h"

#include "core/TextFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {
class BenchFile : public ::testing::Test {
  protected:
    // A new file each time: QSettings may serve a cached file of the same size and second.
    std::optional<BenchConfig> load(const char* text) {
        path_ = folder_.file(QStringLiteral("bench%1.ini").arg(++files_));
        EXPECT_TRUE(writeTextFile(path_, QString::fromUtf8(text)));
        return loadBenchConfig(path_, &error_);
    }
    testkit::TempFolder folder_;
    QString path_;
    QString error_;
    int files_ = 0;
};
} // namespace

TEST_F(BenchFile, ReadsEveryKeyWithCommentsAndKeepsDefaultsForMissingOnes) {
    const auto c = load("; a 10 inch f/5 on a fixed-source tester\n[mirror]\ndiameter=10\n"
                        "roc=100 ; inches\nconic=-0.95\nsurface_error=16:-100, 4:25.5\n[source]\n"
                        "fixed=true\nslit_width=0.002\n[knife]\nside=Left\n[start]\n"
                        "knife_offset=-0.02\nplatform_offset=0.5\n[motors]\ntf_step=0.0001\n"
                        "lr_step=0.0002\ninvert=True\nswap=1\nreverse_lr=false\nreverse_tf=true\n"
                        "backlash=12\n[camera]\ncenter_x=150.5\ncenter_y=99\nradius=90\ngain=200\n"
                        "background=5\nnoise=0\nseed=77\ndrift_x=0.25\ndrift_y=-1\nfps=0\n"
                        "width=1280\nheight=720\n");
    ASSERT_TRUE(c.has_value()) << qPrintable(error_);
    const auto& [mirror, source, side, start, motors, camera] = *c;
    EXPECT_EQ(std::tuple(mirror.diameter, mirror.roc, mirror.conic, mirror.surfaceError.size(),
                         mirror.surfaceError.back().power, mirror.surfaceError.back().nanometres),
              std::tuple(10, 100, -0.95, 2u, 4, 25.5));
    EXPECT_EQ(
        std::tuple(source.fixed, source.slitWidth, side, start.knifeOffset, start.platformOffset),
        std::tuple(true, 0.002, KnifeSide::Left, -0.02, 0.5));
    EXPECT_EQ(std::tuple(motors.tfStep, motors.lrStep, motors.invert, motors.swap, motors.reverseLr,
                         motors.reverseTf, motors.backlash),
              std::tuple(0.0001, 0.0002, true, true, false, true, 12));
    EXPECT_EQ(std::tuple(camera.centerX, camera.centerY, camera.radius, camera.gain,
                         camera.background, camera.noise, camera.seed, camera.driftX, camera.driftY,
                         camera.fps, camera.width, camera.height),
              std::tuple(150.5, 99, 90, 200, 5, 0, 77u, 0.25, -1, 0, 1280, 720));
}

TEST_F(BenchFile, MissingBrokenOrMistypedFilesAreRefusedNamingFileKeyAndWhatIsNeeded) {
    for (const QString& unreadable : {folder_.file("nothing.ini"), folder_.path()}) {
        EXPECT_FALSE(loadBenchConfig(unreadable, &error_).has_value());
        EXPECT_EQ(error_, "Bench file \"" + unreadable + "\" cannot be read.");
    }
    const std::pair<const char*, const char*> cases[] = {
        {"[mirror\ndiameter=6\n", "is not a valid INI file."},
        {"[mirror]\ndiamter=8\n", ": unknown key [mirror] diamter."},
        {"[mirror]\nroc=0\n", "the value \"0\" of [mirror] roc is not a positive number."},
        {"[motors]\nbacklash=1.5\n", "of [motors] backlash is not a whole number of 0 or more."},
        {"[camera]\nnoise=-1\n", "of [camera] noise is not a number of 0 or more."},
        {"[mirror]\nsurface_error=16:-100, 0.5:5\n",
         "the value \"16:-100,0.5:5\" of [mirror] surface_error is not a list of power:nanometres "
         "pairs with powers of 1 or more."},
        // An oblate ellipsoid this strong closes before the mirror's edge.
        {"[mirror]\ndiameter=10\nroc=6\nconic=1\n",
         "a conic of 1 with a radius of curvature of 6 has no surface at the mirror's edge."},
        {"[camera]\nwidth=8000\n",
         "a camera frame of 8000 x 240 pixels is outside 16 to 4096 a side."},
    };
    for (const auto& [text, message] : cases) {
        EXPECT_FALSE(load(text).has_value()) << text;
        EXPECT_TRUE(error_.startsWith("Bench file \"" + path_ + '"')) << qPrintable(error_);
        EXPECT_TRUE(error_.endsWith(QLatin1String(message))) << qPrintable(error_);
    }
}
