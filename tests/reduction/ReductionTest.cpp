// The reduction of zonal readings: the classic hand-reduced sheet, exact conics, refusals.
#include "SixteenInch.h"
#include "reduction/SetsReduction.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using namespace orvane;
using orvane::testkit::sixteenInch;

namespace {

constexpr double MicroInch = 1e-6;

double rounded(double value, double step) {
    return std::round(value / step) * step;
}

TEST(ZonalReduction, ReproducesTheHandReducedSixteenInchSheet) {
    const Reduction r = reduceReadings(sixteenInch(), {RadiusConvention::Mean, 0});
    const ZonalTable& t = r.mean.zonal;
    EXPECT_DOUBLE_EQ(rounded(t.c, 1e-4), 0.0160);
    const double lambdaC[] = {.0196, -.0203, -.0193, -.0522, -.0612, .0030, .0516};
    const double ta[] = {18.85, -28.69, -33.69, -105.45, -138.48, 7.51, 138.48};
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_NEAR(t.zones[i].lambdaC, lambdaC[i], 0.5e-4) << i;
        EXPECT_NEAR(t.zones[i].ta * 1e5, ta[i], 0.005) << i;
    }
    ASSERT_TRUE(t.edges);
    const double wavefront[] = {0.00, -4.06, 0.13, 4.10, 14.94, 27.64, 27.01, 16.43};
    const double deviation[] = {0.00, 0.77, 1.34, 8.75, 18.01, 13.97, 0.00};
    for (size_t k = 0; k < 8; ++k)
        EXPECT_NEAR(t.edges->wavefront[k] / MicroInch, wavefront[k], 0.005) << k;
    for (size_t k = 1; k < 8; ++k)
        EXPECT_NEAR(t.edges->deviation[k] / MicroInch, deviation[k - 1], 0.005) << k;
    // The sheet cuts the parabola's coefficients off rather than rounding them.
    EXPECT_EQ(std::trunc(t.edges->parabolaA / MicroInch * 1e5), 39864);
    EXPECT_EQ(std::trunc(t.edges->parabolaC / MicroInch * 1e4), -90823);
    EXPECT_DOUBLE_EQ(rounded(t.edges->oneOverN, 0.1), 1.2);
    EXPECT_DOUBLE_EQ(t.edges->worstEdge, 6.85);
}

} // namespace

namespace {

constexpr double Nm = 25.4e6; // per inch

double sag(double y, double roc, double conic) {
    return y * y / (roc + std::sqrt(roc * roc - (1 + conic) * y * y));
}

// Exact for a moving source; for a fixed one the series, whose next term is far below a nm.
double conicReading(double y, double roc, double conic, TesterSource source) {
    if (source == TesterSource::Moving)
        return sag(y, roc, conic) + std::sqrt(roc * roc - (1 + conic) * y * y) - roc;
    return -conic * y * y / roc + conic * (conic - 1) * std::pow(y, 4) / (4 * std::pow(roc, 3));
}

// RMS of the difference of two conics over the disc after piston and r^2 are fitted out by
// area-weighted least squares, summed on a fine grid.
double conicDifferenceRmsNm(double edge, double roc, double conic, double target) {
    const int steps = 4000;
    double s[5] = {}; // sums of w, w t, w t^2, w e, w e t with t = y^2
    std::vector<std::pair<double, double>> samples;
    for (int j = 1; j <= steps; ++j) {
        const double y = edge * (j - 0.5) / steps;
        const double e = sag(y, roc, conic) - sag(y, roc, target);
        const double t = y * y;
        samples.push_back({t, e});
        s[0] += y, s[1] += y * t, s[2] += y * t * t, s[3] += y * e, s[4] += y * e * t;
    }
    const double focus = (s[0] * s[4] - s[1] * s[3]) / (s[0] * s[2] - s[1] * s[1]);
    const double piston = (s[3] - focus * s[1]) / s[0];
    double squares = 0;
    for (int j = 1; j <= steps; ++j) {
        const auto [t, e] = samples[j - 1];
        const double d = e - piston - focus * t;
        squares += std::sqrt(t) * d * d;
    }
    return std::sqrt(squares / s[0]) * Nm;
}

TEST(SurfaceProfile, ExactConicReadingsGiveTheirConicAndSurfaceDifference) {
    const double roc = 80, edge = 5;
    const struct {
        TesterSource source;
        double conic;
    } cases[] = {{TesterSource::Moving, -1},
                 {TesterSource::Fixed, -1},
                 {TesterSource::Moving, -0.9},
                 {TesterSource::Fixed, -0.9}};
    for (const auto& c : cases) {
        ReadingsInput input;
        input.mirror = {QStringLiteral("M10"), 2 * edge, 0, roc, -1, MirrorUnits::Inches};
        input.source = c.source;
        for (int i = 0; i <= 8; ++i)
            input.edges.push_back(edge * std::sqrt(i / 8.0));
        input.sets.emplace_back();
        for (double r : zoneRadiiFromEdges(input.edges, RadiusConvention::Couder))
            input.sets[0].push_back(conicReading(r, roc, c.conic, c.source) + 0.3);
        ASSERT_EQ(refusalOf(input), QString());
        const SurfaceProfile p = reduceReadings(input, {std::nullopt, 0}).mean.profile;
        const double expected = conicDifferenceRmsNm(edge, roc, c.conic, -1);
        const auto name =
            std::to_string(c.conic) + (c.source == TesterSource::Moving ? " moving" : " fixed");
        EXPECT_NEAR(p.bestFitConic, c.conic, c.conic == -1 ? 0.005 : 0.01) << name;
        EXPECT_NEAR(p.surfaceRmsNm, expected, 0.5) << name; // 0 for the paraboloid, else 29 nm
        if (c.conic == -1) {
            EXPECT_GT(p.strehl(), 0.999) << name;
        }
    }
}

} // namespace

namespace {

TEST(ReadingsInput, InputThatCannotBeReducedIsRefusedWithItsReason) {
    const struct {
        std::function<void(ReadingsInput&)> spoil;
        QString reason;
    } cases[] = {
        {[](ReadingsInput& in) {
             in.edges = {2, 8}, in.sets = {{0.1}};
         },
         "At least 2 zones are needed for a reduction; there are 1."},
        {[](ReadingsInput& in) { in.edges[3] = 4.0; },
         "The zone edges must increase outward, but edge 3 (4) is not beyond edge 2 (4.6)."},
        {[](ReadingsInput& in) { in.edges.back() = 8.5; },
         "A zone lies outside the mirror: its edge 8.5 is not within the mirror's radius 8."},
        {[](ReadingsInput& in) { in.radii = {3, 5, 6, 6.5, 7, 7.5, 9}, in.edges.clear(); },
         "A zone lies outside the mirror: its radius 9 is not between the obstruction's 0 and "
         "the mirror's 8."},
        {[](ReadingsInput& in) {
             for (double& x : in.sets[0])
                 x = -x;
         },
         "The readings fall with the radius as no mirror near a conic of -1 would (they fit a "
         "conic of 1.07): readings entered in the wrong direction?"},
        {[](ReadingsInput& in) { in.sets[0][2] = std::nan(""); },
         "Reading 3 of set 1 is not a finite number."},
        {[](ReadingsInput& in) { in.mirror.roc = INFINITY; },
         "The radius of curvature is not a finite number."},
        {[](ReadingsInput& in) {
             in.sets.push_back({0.1, 0.2});
         },
         "Set 2 has 2 readings for 7 zones."},
        {[](ReadingsInput& in) { in.sets.clear(); }, "There are no readings."},
        {[](ReadingsInput& in) { in.sets.assign(5, in.sets[0]); },
         "At most 4 sets of readings can be reduced, as a test takes them; there are 5."},
        {[](ReadingsInput& in) { in.radii.assign(17, 1), in.edges.clear(); },
         "At most 16 zones can be reduced, as a test takes them; there are 17."},
        {[](ReadingsInput& in) { in.mirror.roc = 8; },
         "The radius of curvature, 8, must be more than the mirror's semi-diameter, 8."},
        {[](ReadingsInput& in) { in.mirror.obstruction = 6; },
         "A zone lies outside the mirror: its radius 2.775 is not between the obstruction's 3 "
         "and the mirror's 8."},
        {[](ReadingsInput& in) { in.mirror.conic = 400; },
         "A conic of 400 with a radius of curvature of 144 has no surface at the mirror's edge."},
    };
    for (const auto& c : cases) {
        ReadingsInput input = sixteenInch();
        c.spoil(input);
        EXPECT_EQ(refusalOf(input).toStdString(), c.reason.toStdString());
    }
    EXPECT_EQ(refusalOf(sixteenInch()), QString());
}

TEST(SetsReduction, SetsAreShiftedToTheirMeanAndTheSpreadDrivesTheLimits) {
    ReadingsInput input = sixteenInch();
    const std::vector<double> base = input.sets[0];
    input.sets = {base, base, base};
    for (size_t i = 0; i < base.size(); ++i)
        input.sets[1][i] += 0.5, input.sets[2][i] += (i % 2 ? 0.002 : -0.002);
    const Reduction r = reduceReadings(input, {RadiusConvention::Mean, 200});
    // Set 2's offset is taken out; set 3's alternating error is what the sets disagree on.
    EXPECT_NEAR(r.mean.readings[0] - r.mean.readings[1], base[0] - base[1] - 0.004 / 3, 1e-12);
    EXPECT_NEAR(r.spreadSd[0], 0.012 / 7 / std::sqrt(3.0), 1e-12); // set 3 off by 0.012/7 there
    EXPECT_NEAR(r.sets[0].profile.surfaceRmsNm, r.sets[1].profile.surfaceRmsNm, 1e-6);
    const ReductionUncertainty& u = r.uncertainty;
    EXPECT_EQ(u.draws, 200);
    EXPECT_LT(u.surfaceRmsNm.low, r.mean.profile.surfaceRmsNm);
    EXPECT_GT(u.surfaceRmsNm.high, r.mean.profile.surfaceRmsNm);
    ASSERT_TRUE(u.oneOverN);
    EXPECT_LT(u.oneOverN->low, u.oneOverN->high);
    // Sets that agree leave nothing uncertain; one set draws 0.005 in per reading.
    input.sets = {base, base};
    const Reduction agreed = reduceReadings(input, {RadiusConvention::Mean, 50});
    EXPECT_DOUBLE_EQ(agreed.uncertainty.strehl.low, agreed.uncertainty.strehl.high);
    input.sets = {base};
    EXPECT_EQ(reduceReadings(input, {RadiusConvention::Mean, 50}).uncertainty.zoneSd[3], 0.005);
}

} // namespace
