#include "autotest/variables/IntensityGap.h"

namespace orvane {

IntensityLimits keepIntensityGap(IntensityLimits limits, bool maxMovedLast) {
    if (limits.max - limits.min >= MinIntensityGap)
        return limits;
    if (maxMovedLast)
        limits.min = limits.max - MinIntensityGap;
    else
        limits.max = limits.min + MinIntensityGap;
    return limits;
}

} // namespace orvane
