#include "app/shell/FloatingTextLayout.h"

#include "core/NumberText.h"

namespace orvane {

namespace {

// The window's margins were designed in twips, 15 to a pixel.
constexpr int TwipsPerPixel = 15;
constexpr int FrameMargin = 175;
constexpr int TextMargin = 245;
constexpr int TestDataFrameBottomMargin = 475;
constexpr int TestDataTextBottomMargin = 425;

std::optional<int> pixels(int twips) {
    if (twips < 0)
        return std::nullopt;
    return static_cast<int>(roundToInt(static_cast<double>(twips) / TwipsPerPixel));
}

} // namespace

FloatingTextSizes floatingTextLayout(QSize window, int testDataFrameTop) {
    const int width = window.width() * TwipsPerPixel;
    const int height = window.height() * TwipsPerPixel;
    const int frameWidth = width - FrameMargin;
    const int testDataFrameHeight =
        height - testDataFrameTop * TwipsPerPixel - TestDataFrameBottomMargin;
    FloatingTextSizes sizes;
    sizes.debugFrameWidth = pixels(frameWidth);
    sizes.debugTextWidth = pixels(frameWidth - TextMargin);
    sizes.testDataFrameWidth = pixels(frameWidth);
    sizes.testDataFrameHeight = pixels(testDataFrameHeight);
    sizes.testDataTextWidth = pixels(frameWidth - TextMargin);
    sizes.testDataTextHeight = pixels(testDataFrameHeight - TestDataTextBottomMargin);
    return sizes;
}

} // namespace orvane
