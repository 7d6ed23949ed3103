#pragma once

#include <QSize>
#include <optional>

namespace orvane {

// Sizes in pixels for the floating text window's frames and text boxes; a size that would be
// negative (a tiny or minimised window) is left out and not applied.
struct FloatingTextSizes {
    std::optional<int> frame1Width, text1Width;
    std::optional<int> frame2Width, frame2Height, text2Width, text2Height;
};

FloatingTextSizes floatingTextLayout(QSize window, int frame2Top);

} // namespace orvane
