#pragma once

#include <QRgb>
#include <algorithm>

namespace orvane {

// Compiled without signed zeros and NaNs (see CMakeLists.txt), this becomes branch-free
// min/max instructions: it runs for every pixel, where mispredicted branches cost more than
// the arithmetic.
inline float limit(float value, float low, float high) {
    return std::min(std::max(value, low), high);
}

// A level in grey levels as a camera pixel: rounded, within 0..255, R = G = B.
inline QRgb greyPixel(float level) {
    const int grey = int(limit(level, 0.0f, 255.0f) + 0.5f);
    return 0xFF000000u | QRgb(grey) * 0x010101u;
}

} // namespace orvane
