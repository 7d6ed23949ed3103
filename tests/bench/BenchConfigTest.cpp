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
    // The message names the line of the key.
    const std::pair<const char*, const char*> cases[] = {
        {"[mirror\ndiameter=6\n", "\" is not a valid INI file."},
        {"[mirror]\ndiamter=8\n", ", line 2: unknown key [mirror] diamter."},
        {"[mirror]\nroc=0\n", ", line 2: the value \"0\" of [mirror] roc is not a number from 0.1 "
                              "to 100000."},
        {"[motors]\n\nbacklash=1.5\n", ", line 3: the value \"1.5\" of [motors] backlash is not a "
                                       "whole number from 0 to 10000."},
        {"[camera]\nnoise=-1\n", "of [camera] noise is not a number from 0 to 255."},
        {"[camera]\nfps=0.001\n", "of [camera] fps is not 0 or a number from 1 to 1000."},
        {"[source]\nslit_width=1e-300\n",
         "of [source] slit_width is not a number from 1E-05 to 1."},
        {"[mirror]\nsurface_error=16:-100, 0.5:5\n",
         "the value \"16:-100,0.5:5\" of [mirror] surface_error is not a list of power:nanometres "
         "pairs with powers from 1 to 100 and nanometres from -1000000 to 1000000."},
        {"[mirror]\ndiameter=10\nroc=4\n",
         ": a radius of curvature of 4 is not beyond the mirror's semi-diameter, 5."},
        // An oblate ellipsoid this strong closes before the mirror's edge.
        {"[mirror]\ndiameter=10\nroc=6\nconic=1\n",
         "a conic of 1 with a radius of curvature of 6 has no surface at the mirror's edge."},
        {"[camera]\nwidth=8\n", "a camera frame of 8 x 240 pixels is outside 16 to 4096 a side."},
        {"[camera]\nwidth=8000\n",
         "line 2: the value \"8000\" of [camera] width is not a whole number from 0 to 4096."},
    };
    for (const auto& [text, message] : cases) {
        EXPECT_FALSE(load(text).has_value()) << text;
        EXPECT_TRUE(error_.startsWith("Bench file \"" + path_ + '"')) << qPrintable(error_);
        EXPECT_TRUE(error_.endsWith(QLatin1String(message))) << qPrintable(error_);
    }
}
