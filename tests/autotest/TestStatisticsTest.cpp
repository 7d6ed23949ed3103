#include "autotest/TestStatistics.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace orvane;

TEST(TestStatistics, MeanOverZonesOfEachZonesSampleDeviation) {
    ZoneReadings readings;
    EXPECT_EQ(testStandardDeviation(readings, 0, 1), 0.0);
    for (int r = 0; r < 4; ++r)
        readings.at(1, r) = r + 1;
    // Zone 1: mean 2.5, squares 2.25 + 0.25 + 0.25 + 2.25 = 5, sample variance 5 / 3; zone 2: 0.
    EXPECT_NEAR(testStandardDeviation(readings, 2, 3), std::sqrt(5.0 / 3.0) / 2, 1e-12);
}
