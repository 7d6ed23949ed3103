#pragma once

#include <QImage>
#include <QRect>

namespace orvane {

// The one brightness measure of the program: the largest of a pixel's red, green and blue.
inline int pixelIntensity(QRgb colour) {
    return qMax(qRed(colour), qMax(qGreen(colour), qBlue(colour)));
}

// A read outside the picture counts 0.
inline int pixelIntensity(const QImage& picture, int x, int y) {
    return picture.valid(x, y) ? pixelIntensity(picture.pixel(x, y)) : 0;
}

// The mean intensity over `window`, unrounded; pixels outside the picture count 0.
double windowMean(const QImage& picture, const QRect& window);

} // namespace orvane
