#include "bench/FoucaultOptics.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace orvane;

namespace {
// Measuring radii of a 6 inch mirror with a 1.5 inch obstruction in 4 zones.
constexpr double ZoneRadii[] = {1.2332, 1.9211, 2.4107, 2.8164};
constexpr double Roc = 48;

BenchConfig mirror(double conic, bool fixedSource) {
    BenchConfig c;
    c.mirror.conic = conic;
    c.source.fixed = fixedSource;
    return c;
}

// The paraboloid's readings relative to zone 1: (r^2 - r1^2) / 2R, twice that for a fixed
// source.
double perfectNumber(double r, bool fixedSource) {
    return (fixedSource ? 2 : 1) * (r * r - ZoneRadii[0] * ZoneRadii[0]) / (2 * Roc);
}
} // namespace

TEST(FoucaultOptics, ParaboloidNullsMatchThePerfectNumbers) {
    for (bool fixedSource : {false, true}) {
        const FoucaultOptics optics(mirror(-1, fixedSource));
        const double first = optics.trueNull(ZoneRadii[0]);
        for (double r : ZoneRadii) {
            const double perfect = perfectNumber(r, fixedSource);
            EXPECT_NEAR(optics.trueNull(r) - first, perfect, 0.01 * perfect + 1e-12)
                << "r " << r << " fixed " << fixedSource;
        }
    }
}

TEST(FoucaultOptics, MovingSourceNullOfAParaboloidIsExactlyRSquaredOverTwoR) {
    const FoucaultOptics optics(mirror(-1, false));
    EXPECT_NEAR(optics.trueNull(0), 0, 1e-12);
    EXPECT_NEAR(optics.trueNull(3), 9 / 96.0, 1e-10);
    EXPECT_NEAR(optics.trueNull(-3), 9 / 96.0, 1e-10);
}

TEST(FoucaultOptics, FixedSourceDoublesTheZonalSpread) {
    const FoucaultOptics moving(mirror(-1, false));
    const FoucaultOptics fixed(mirror(-1, true));
    const double inner = ZoneRadii[0];
    const double outer = ZoneRadii[3];
    const double ratio = (fixed.trueNull(outer) - fixed.trueNull(inner)) /
                         (moving.trueNull(outer) - moving.trueNull(inner));
    EXPECT_NEAR(ratio, 2, 0.02);
}

TEST(FoucaultOptics, ConicScalesTheSpreadAndASphereHasOneNull) {
    // The normals of a conic of constant K meet the axis -K r^2 / 2R beyond the centre.
    const FoucaultOptics paraboloid(mirror(-1, false));
    const FoucaultOptics ellipsoid(mirror(-0.5, false));
    const FoucaultOptics sphere(mirror(0, false));
    for (double r : ZoneRadii) {
        EXPECT_NEAR(ellipsoid.trueNull(r) / paraboloid.trueNull(r), 0.5, 0.005) << r;
        EXPECT_GT(paraboloid.trueNull(r) - ellipsoid.trueNull(r), 0.005) << r;
        EXPECT_NEAR(sphere.trueNull(r), 0, 1e-12) << r;
    }
    const FoucaultOptics fixedSphere(mirror(0, true));
    EXPECT_NEAR(fixedSphere.trueNull(3), 0, 1e-12);
}

TEST(FoucaultOptics, TurnedDownEdgeLengthensOnlyTheEdgeNulls) {
    BenchConfig turned = mirror(-1, false);
    turned.mirror.surfaceError = {{16, -100}};
    const FoucaultOptics ideal(mirror(-1, false));
    const FoucaultOptics worn(turned);
    // The edge slopes away from the tester: its normals meet the axis further out.
    EXPECT_GT(worn.trueNull(3) - ideal.trueNull(3), 0.01);
    EXPECT_NEAR(worn.trueNull(1.5), ideal.trueNull(1.5), 1e-6);
}

TEST(FoucaultOptics, CrossingChangesSideThroughTheNull) {
    const FoucaultOptics optics(mirror(-1, false));
    const double r = 2;
    const double null = optics.trueNull(r);
    EXPECT_NEAR(optics.crossing(r, null), 0, 1e-9);
    // Beyond the null the ray has crossed the axis; short of it, it has not yet.
    EXPECT_LT(optics.crossing(r, null + 0.01), 0);
    EXPECT_GT(optics.crossing(r, null - 0.01), 0);
    // Source and knife move together, so the image moves twice as far: about 2 * 0.01 * r/R.
    EXPECT_NEAR(optics.crossing(r, null + 0.01), -2 * 0.01 * r / Roc, 2e-5);
}
