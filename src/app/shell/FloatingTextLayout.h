#pragma once

#include <QSize>
#include <optional>

namespace orvane {

// Sizes in pixels for the floating text window's frames and text boxes; a size that would be
// negative (a tiny or minimised window) is left out and not applied.
struct FloatingTextSizes {
    std::optional<int> debugFrameWidth, debugTextWidth;
    std::optional<int> testDataFrameWidth, testDataFrameHeight, testDataTextWidth,
        testDataTextHeight;
};

FloatingTextSizes floatingTextLayout(QSize window, int testDataFrameTop);

} // namespace orvane
