#include "analysis/PixelIntensity.h"

namespace orvane {

double windowMean(const QImage& picture, const QRect& window) {
    const QRect inside = window & picture.rect();
    long long sum = 0;
    if (picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32) {
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            for (int x = inside.left(); x <= inside.right(); ++x)
                sum += pixelIntensity(line[x]);
        }
    } else {
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                sum += pixelIntensity(picture.pixel(x, y));
    }
    const long long count = qMax(1LL, (long long)window.width() * window.height());
    return double(sum) / double(count);
}

} // namespace orvane
