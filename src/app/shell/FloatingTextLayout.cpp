#include "app/shell/FloatingTextLayout.h"

#include "core/NumberText.h"

namespace orvane {

namespace {

// The window's margins were designed in twips, 15 to a pixel.
constexpr int TwipsPerPixel = 15;
constexpr int FrameMargin = 175;
constexpr int TextMargin = 245;
constexpr int Frame2BottomMargin = 475;
constexpr int Text2BottomMargin = 425;

std::optional<int> pixels(int twips) {
    if (twips < 0)
        return std::nullopt;
    return static_cast<int>(roundToInt(static_cast<double>(twips) / TwipsPerPixel));
}

} // namespace

FloatingTextSizes floatingTextLayout(QSize window, int frame2Top) {
    const int width = window.width() * TwipsPerPixel;
    const int height = window.height() * TwipsPerPixel;
    const int frameWidth = width - FrameMargin;
    const int frame2Height = height - frame2Top * TwipsPerPixel - Frame2BottomMargin;
    FloatingTextSizes sizes;
    sizes.frame1Width = pixels(frameWidth);
    sizes.text1Width = pixels(frameWidth - TextMargin);
    sizes.frame2Width = pixels(frameWidth);
    sizes.frame2Height = pixels(frame2Height);
    sizes.text2Width = pixels(frameWidth - TextMargin);
    sizes.text2Height = pixels(frame2Height - Text2BottomMargin);
    return sizes;
}

} // namespace orvane
