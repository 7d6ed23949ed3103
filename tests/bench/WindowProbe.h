#pragma once

#include <QImage>
#include <algorithm>

namespace orvane::testkit {

// The mean brightness of a 1 x 7 zone window (rows centerRow - 3 .. centerRow + 3), a pixel's
// brightness being the largest of its red, green and blue.
inline double windowMean(const QImage& image, int column, int centerRow) {
    double sum = 0;
    for (int row = centerRow - 3; row <= centerRow + 3; ++row) {
        const QRgb c = image.pixel(column, row);
        sum += std::max({qRed(c), qGreen(c), qBlue(c)});
    }
    return sum / 7;
}

} // namespace orvane::testkit
