#pragma once

namespace orvane {

inline constexpr int MinIntensityGap = 10;

struct IntensityLimits {
    int max = 0;
    int min = 0;
    bool operator==(const IntensityLimits&) const = default;
};

// Keeps the zone's maximum intensity at least MinIntensityGap above its minimum; the limit the
// user did not move last gives way.
IntensityLimits keepIntensityGap(IntensityLimits limits, bool maxMovedLast);

} // namespace orvane
