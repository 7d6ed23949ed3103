#include "setup/KnifeSidePicture.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {
// Mean column of the pixels painted exactly in `colour`, or -1 when there are none.
double meanColumnOf(const QImage& image, const QColor& colour) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour.rgb()) {
                sum += x;
                ++count;
            }
        }
    }
    return count == 0 ? -1 : sum / count;
}
} // namespace

TEST(KnifeSidePicture, KnifeSitsOnTheChosenSideOfTheSource) {
    const QImage left = knifeSidePicture(false, QSize(220, 150));
    const QImage right = knifeSidePicture(true, QSize(220, 150));
    ASSERT_EQ(left.size(), QSize(220, 150));
    const double leftKnife = meanColumnOf(left, KnifeColour);
    const double leftSource = meanColumnOf(left, LightSourceColour);
    const double rightKnife = meanColumnOf(right, KnifeColour);
    const double rightSource = meanColumnOf(right, LightSourceColour);
    ASSERT_GE(leftKnife, 0);
    ASSERT_GE(leftSource, 0);
    ASSERT_GE(rightKnife, 0);
    ASSERT_GE(rightSource, 0);
    EXPECT_LT(leftKnife, leftSource);
    EXPECT_GT(rightKnife, rightSource);
}

TEST(KnifeSidePicture, SmallPicturesStillShowBothParts) {
    const QImage tiny = knifeSidePicture(true, QSize(60, 40));
    EXPECT_GE(meanColumnOf(tiny, KnifeColour), 0);
    EXPECT_GE(meanColumnOf(tiny, LightSourceColour), 0);
}

TEST(KnifeSidePicture, SelectionTexts) {
    EXPECT_EQ(knifeSelectionText(true), "Current Selection Places Knife on Right!");
    EXPECT_EQ(knifeSelectionText(false), "Current Selection Places Knife on Left!");
}
