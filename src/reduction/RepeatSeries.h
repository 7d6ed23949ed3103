#pragma once

#include "reduction/ReadingsInput.h"

#include <QString>
#include <optional>
#include <vector>

namespace orvane {

// One of a series of tests repeated on a schedule, as the mirror settles.
struct RepeatedTest {
    int testNumber = 0;
    double minutes = 0;           // since the series began
    std::vector<double> radii;    // of the zones
    std::vector<double> readings; // each zone's mean over the sets
    std::optional<double> conic;  // the best-fit conic, when the readings give one
};

// The test's mean readings and best-fit conic; `input` as a reduction takes it.
RepeatedTest repeatedTest(int testNumber, double minutes, const ReadingsInput& input);

// One line per test: its number, its time, each zone's reading and the conic.
QString repeatSeriesText(const std::vector<RepeatedTest>& tests);

} // namespace orvane
