#include "autotest/TestStatistics.h"

#include <cmath>

namespace orvane {

double testStandardDeviation(const ZoneReadings& readings, int zones, int lastSet) {
    if (zones < 1)
        return 0;
    const int sets = lastSet + 1;
    double total = 0;
    for (int z = 1; z <= zones; ++z) {
        double sum = 0;
        for (int r = 0; r < sets; ++r)
            sum += readings.at(z, r);
        const double mean = sum / sets;
        double squares = 0;
        for (int r = 0; r < sets; ++r)
            squares += (mean - readings.at(z, r)) * (mean - readings.at(z, r));
        total += std::sqrt(squares / lastSet);
    }
    return total / zones;
}

} // namespace orvane
