#include "autotest/variables/IntensityGap.h"

#include <gtest/gtest.h>

using namespace orvane;

TEST(IntensityGap, LimitsFarEnoughApartStay) {
    EXPECT_EQ(keepIntensityGap({70, 40}, true), (IntensityLimits{70, 40}));
    EXPECT_EQ(keepIntensityGap({50, 40}, false), (IntensityLimits{50, 40}));
}

TEST(IntensityGap, TheLimitNotMovedLastGivesWay) {
    EXPECT_EQ(keepIntensityGap({35, 30}, true), (IntensityLimits{35, 25}));
    EXPECT_EQ(keepIntensityGap({35, 30}, false), (IntensityLimits{40, 30}));
    EXPECT_EQ(keepIntensityGap({20, 60}, true), (IntensityLimits{20, 10}));
    EXPECT_EQ(keepIntensityGap({49, 40}, false), (IntensityLimits{50, 40}));
}
