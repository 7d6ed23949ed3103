#include "bench/BenchConfig.h"

#include "app/core/TextFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {
class BenchFile : public ::testing::Test {
  protected:
    QString write(const QString& text) {
        const QString path = folder_.file(QStringLiteral("bench.ini"));
        EXPECT_TRUE(writeTextFile(path, text));
        return path;
    }
    std::optional<BenchConfig> load(const QString& text) {
        return loadBenchConfig(write(text), &error_);
    }
    testkit::TempFolder folder_;
    QString error_;
};
} // namespace

TEST(BenchConfigDefaults, AreTheSixInchFFourParaboloid) {
    const BenchConfig c;
    EXPECT_EQ(c.mirror.diameter, 6);
    EXPECT_EQ(c.mirror.roc, 48);
    EXPECT_EQ(c.mirror.conic, -1);
    EXPECT_TRUE(c.mirror.surfaceError.empty());
    EXPECT_FALSE(c.source.fixed);
    EXPECT_EQ(c.source.slitWidth, 0.004);
    EXPECT_EQ(c.knifeSide, KnifeSide::Right);
    EXPECT_EQ(c.start.knifeOffset, 0.01);
    EXPECT_EQ(c.start.platformOffset, 0);
    EXPECT_EQ(c.motors.tfStep, 0.000125);
    EXPECT_EQ(c.motors.lrStep, 0.000125);
    EXPECT_FALSE(c.motors.invert || c.motors.swap || c.motors.reverseLr || c.motors.reverseTf);
    EXPECT_EQ(c.motors.backlash, 0);
    EXPECT_EQ(c.camera.centerX, 160);
    EXPECT_EQ(c.camera.centerY, 120);
    EXPECT_EQ(c.camera.radius, 100);
    EXPECT_EQ(c.camera.gain, 220);
    EXPECT_EQ(c.camera.background, 8);
    EXPECT_EQ(c.camera.noise, 2);
    EXPECT_EQ(c.camera.seed, 1u);
    EXPECT_EQ(c.camera.driftX, 0);
    EXPECT_EQ(c.camera.driftY, 0);
    EXPECT_EQ(c.camera.fps, 30);
}

TEST_F(BenchFile, ReadsEveryKeyWithCommentsAndKeepsDefaultsForMissingOnes) {
    const auto c = load(QStringLiteral("; a 10 inch f/5 on a fixed-source tester\n"
                                       "[mirror]\ndiameter=10\nroc=100 ; inches\nconic=-0.95\n"
                                       "surface_error=16:-100, 4:25.5\n"
                                       "[source]\nfixed=true\nslit_width=0.002\n"
                                       "[knife]\nside=Left\n"
                                       "[start]\nknife_offset=-0.02\nplatform_offset=0.5\n"
                                       "[motors]\ntf_step=0.0001\nlr_step=0.0002\ninvert=True\n"
                                       "swap=1\nreverse_lr=false\nreverse_tf=true\nbacklash=12\n"
                                       "[camera]\ncenter_x=150.5\nradius=90\nnoise=0\n"
                                       "seed=77\ndrift_x=0.25\nfps=0\n"));
    ASSERT_TRUE(c.has_value()) << qPrintable(error_);
    EXPECT_EQ(c->mirror.diameter, 10);
    EXPECT_EQ(c->mirror.roc, 100);
    EXPECT_EQ(c->mirror.conic, -0.95);
    ASSERT_EQ(c->mirror.surfaceError.size(), 2u);
    EXPECT_EQ(c->mirror.surfaceError[0].power, 16);
    EXPECT_EQ(c->mirror.surfaceError[0].nanometres, -100);
    EXPECT_EQ(c->mirror.surfaceError[1].power, 4);
    EXPECT_EQ(c->mirror.surfaceError[1].nanometres, 25.5);
    EXPECT_TRUE(c->source.fixed);
    EXPECT_EQ(c->source.slitWidth, 0.002);
    EXPECT_EQ(c->knifeSide, KnifeSide::Left);
    EXPECT_EQ(c->start.knifeOffset, -0.02);
    EXPECT_EQ(c->start.platformOffset, 0.5);
    EXPECT_EQ(c->motors.tfStep, 0.0001);
    EXPECT_EQ(c->motors.lrStep, 0.0002);
    EXPECT_TRUE(c->motors.invert);
    EXPECT_TRUE(c->motors.swap);
    EXPECT_FALSE(c->motors.reverseLr);
    EXPECT_TRUE(c->motors.reverseTf);
    EXPECT_EQ(c->motors.backlash, 12);
    EXPECT_EQ(c->camera.centerX, 150.5);
    EXPECT_EQ(c->camera.centerY, 120);
    EXPECT_EQ(c->camera.radius, 90);
    EXPECT_EQ(c->camera.gain, 220);
    EXPECT_EQ(c->camera.noise, 0);
    EXPECT_EQ(c->camera.seed, 77u);
    EXPECT_EQ(c->camera.driftX, 0.25);
    EXPECT_EQ(c->camera.driftY, 0);
    EXPECT_EQ(c->camera.fps, 0);
}

TEST_F(BenchFile, EmptyFileGivesTheDefaults) {
    const auto c = load(QString());
    ASSERT_TRUE(c.has_value()) << qPrintable(error_);
    EXPECT_EQ(c->mirror.roc, 48);
    EXPECT_EQ(c->camera.seed, 1u);
}

TEST_F(BenchFile, MissingOrBrokenFilesAreNamed) {
    const QString missing = folder_.file(QStringLiteral("nothing.ini"));
    EXPECT_FALSE(loadBenchConfig(missing, &error_).has_value());
    EXPECT_EQ(error_, "Bench file \"" + missing + "\" cannot be read.");

    EXPECT_FALSE(loadBenchConfig(folder_.path(), &error_).has_value());
    EXPECT_EQ(error_, "Bench file \"" + folder_.path() + "\" cannot be read.");

    const QString broken = write(QStringLiteral("[mirror\ndiameter=6\n"));
    EXPECT_FALSE(loadBenchConfig(broken, &error_).has_value());
    EXPECT_EQ(error_, "Bench file \"" + broken + "\" is not a valid INI file.");
}

TEST_F(BenchFile, UnknownKeysAreRefusedSoThatTyposShow) {
    EXPECT_FALSE(load(QStringLiteral("[mirror]\ndiamter=8\n")).has_value());
    EXPECT_TRUE(error_.endsWith(": unknown key [mirror] diamter.")) << qPrintable(error_);
    EXPECT_FALSE(load(QStringLiteral("stray=1\n")).has_value());
    EXPECT_TRUE(error_.endsWith(": unknown key stray.")) << qPrintable(error_);
}

TEST_F(BenchFile, BadValuesNameSectionKeyAndWhatIsNeeded) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"[mirror]\ndiameter=six\n", "the value \"six\" of [mirror] diameter is not a positive "
                                     "number."},
        {"[mirror]\nroc=0\n", "the value \"0\" of [mirror] roc is not a positive number."},
        {"[mirror]\nconic=\n", "the value \"\" of [mirror] conic is not a number."},
        {"[source]\nfixed=maybe\n", "the value \"maybe\" of [source] fixed is not True or False."},
        {"[knife]\nside=middle\n", "the value \"middle\" of [knife] side is not right or left."},
        {"[motors]\nbacklash=-2\n", "the value \"-2\" of [motors] backlash is not a whole "
                                    "number of 0 or more."},
        {"[motors]\nbacklash=1.5\n", "the value \"1.5\" of [motors] backlash is not a whole "
                                     "number of 0 or more."},
        {"[camera]\nnoise=-1\n", "the value \"-1\" of [camera] noise is not a number of 0 or "
                                 "more."},
        {"[camera]\ncenter_x=1,2\n", "the value \"1,2\" of [camera] center_x is not a number."},
        {"[mirror]\nsurface_error=16:-100, 4\n",
         "the value \"16:-100,4\" of [mirror] surface_error is not a list of power:nanometres "
         "pairs with powers of 1 or more."},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(load(QLatin1String(c.text)).has_value()) << c.text;
        EXPECT_TRUE(error_.endsWith(QLatin1String(c.message))) << qPrintable(error_);
        EXPECT_TRUE(error_.startsWith("Bench file \"")) << qPrintable(error_);
    }
}

TEST_F(BenchFile, ConicWithoutSurfaceAtTheEdgeIsRefused) {
    // An oblate ellipsoid this strong closes before the mirror's edge.
    EXPECT_FALSE(load(QStringLiteral("[mirror]\ndiameter=10\nroc=6\nconic=1\n")).has_value());
    EXPECT_TRUE(error_.endsWith("a conic of 1 with a radius of curvature of 6 has no surface at "
                                "the mirror's edge."))
        << qPrintable(error_);
    BenchConfig fine;
    EXPECT_TRUE(benchConfigProblem(fine).isEmpty());
}

TEST(SurfaceError, ParsesPowerNanometrePairs) {
    const auto terms = parseSurfaceError(u" 2:50 ,16:-100.5");
    ASSERT_TRUE(terms.has_value());
    ASSERT_EQ(terms->size(), 2u);
    EXPECT_EQ((*terms)[0].power, 2);
    EXPECT_EQ((*terms)[0].nanometres, 50);
    EXPECT_EQ((*terms)[1].power, 16);
    EXPECT_EQ((*terms)[1].nanometres, -100.5);
    EXPECT_TRUE(parseSurfaceError(u"  ")->empty());
    EXPECT_FALSE(parseSurfaceError(u"16").has_value());
    EXPECT_FALSE(parseSurfaceError(u"16:-100,").has_value());
    EXPECT_FALSE(parseSurfaceError(u"a:5").has_value());
    EXPECT_FALSE(parseSurfaceError(u"0.5:5").has_value()); // an infinite slope at the centre
    EXPECT_FALSE(parseSurfaceError(u"2:5:1").has_value());
}
