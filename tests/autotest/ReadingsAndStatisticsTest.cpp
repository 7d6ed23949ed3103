#include "autotest/ReadingsTable.h"
#include "autotest/TestStatistics.h"

#include <gtest/gtest.h>

using namespace orvane;

TEST(TestStatistics, MeanOverZonesOfEachZonesSampleDeviation) {
    ZoneReadings readings;
    readings.at(1, 0) = 0;
    readings.at(1, 1) = 0;
    readings.at(2, 0) = 0.1;
    readings.at(2, 1) = 0.3;
    EXPECT_NEAR(testStandardDeviation(readings, 2, 1), 0.0707106781186548, 1e-12);
    // Zones beyond the count do not take part.
    readings.at(3, 0) = 5;
    EXPECT_NEAR(testStandardDeviation(readings, 2, 1), 0.0707106781186548, 1e-12);
}

TEST(TestStatistics, FourSetsDivideByThree) {
    ZoneReadings readings;
    const double values[] = {1, 2, 3, 4};
    for (int r = 0; r < 4; ++r)
        readings.at(1, r) = values[r];
    // mean 2.5, squares 2.25 + 0.25 + 0.25 + 2.25 = 5, sample variance 5 / 3
    EXPECT_NEAR(testStandardDeviation(readings, 1, 3), std::sqrt(5.0 / 3.0), 1e-12);
    EXPECT_NEAR(testStandardDeviation(readings, 1, 1), std::sqrt(0.5), 1e-12);
}

TEST(TestStatistics, NoZonesGiveZero) {
    ZoneReadings readings;
    readings.at(1, 1) = 3;
    EXPECT_EQ(testStandardDeviation(readings, 0, 1), 0.0);
}

TEST(ReadingsTable, OneLinePerZoneTabBeforeEverySetThenThePreviousText) {
    ZoneReadings readings;
    readings.at(2, 0) = 0.0125;
    readings.at(2, 1) = -0.25;
    readings.at(3, 0) = 1.5;
    EXPECT_EQ(readingsTableText(readings, 3, 1, QStringLiteral("Previous Zone Readings\r\n")),
              QStringLiteral("Zone 1\t0\t0\r\nZone 2\t0.0125\t-0.25\r\nZone 3\t1.5\t0\r\n\r\n"
                             "Previous Zone Readings\r\n"));
    EXPECT_EQ(readingsTableText(readings, 2, 0, QString()),
              QStringLiteral("Zone 1\t0\r\nZone 2\t0.0125\r\n\r\n"));
}
