#include "bench/FoucaultOptics.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace orvane;

namespace {
BenchConfig mirror(double conic, bool fixedSource) {
    BenchConfig c; // 6 inch, R = 48
    c.mirror.conic = conic;
    c.source.fixed = fixedSource;
    return c;
}
} // namespace

// The normals of a conic of constant K meet the axis -K r^2 / 2R beyond the centre of curvature;
// a fixed source doubles that. A sphere has one null for every zone.
TEST(FoucaultOptics, ZoneNullsOfConicsAreMinusKRSquaredOverTwoR) {
    for (double conic : {-1.0, -0.5, 0.0}) {
        for (bool fixed : {false, true}) {
            const FoucaultOptics optics(mirror(conic, fixed));
            for (double r : {0.0, 1.2332, 1.9211, 2.4107, 2.8164, -3.0}) {
                const double expected = (fixed ? 2 : 1) * -conic * r * r / (2 * 48);
                EXPECT_NEAR(optics.trueNull(r), expected, 0.005 * std::abs(expected) + 1e-12)
                    << "K " << conic << " fixed " << fixed << " r " << r;
            }
        }
    }
    EXPECT_NEAR(FoucaultOptics(mirror(-1, false)).trueNull(3), 9 / 96.0, 1e-10);
}

TEST(FoucaultOptics, CrossingChangesSideThroughTheNullAndATurnedEdgeMovesItsNull) {
    const FoucaultOptics optics(mirror(-1, false));
    const double null = optics.trueNull(2);
    EXPECT_NEAR(optics.crossing(2, null), 0, 1e-9);
    // Beyond the null the ray has crossed the axis. Source and knife move together, so the
    // image moves twice as far: 2 * 0.01 * r / R.
    EXPECT_NEAR(optics.crossing(2, null + 0.01), -2 * 0.01 * 2 / 48, 2e-5);
    EXPECT_NEAR(optics.crossing(2, null - 0.01), 2 * 0.01 * 2 / 48, 2e-5);

    // A turned-down edge slopes away from the tester: its normals meet the axis further out.
    BenchConfig turned = mirror(-1, false);
    turned.mirror.surfaceError = {{16, -100}};
    const FoucaultOptics worn(turned);
    EXPECT_GT(worn.trueNull(3) - optics.trueNull(3), 0.01);
    EXPECT_NEAR(worn.trueNull(1.5), optics.trueNull(1.5), 1e-6);
}
