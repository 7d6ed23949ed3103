#pragma once

#include <QString>
#include <QtGlobal>

namespace orvane {

// Where a running test stands: set and zone count from 1.
struct TestProgress {
    int set = 1;
    int sets = 1;
    int zone = 1;
    int zones = 1;
    qint64 elapsedNs = 0;
};

// "Set 1 of 2, zone 3 of 6, 1:05 elapsed, about 3:15 left". The time left assumes every zone
// takes as long as the finished ones took on average; before the first one ends it is not given.
QString progressLine(const TestProgress& progress);

// "Frames per zone search: 103.2 (1032 frames, 10 searches); test time 1:12", for the end of a
// test.
QString testSummaryLine(int frames, int zoneSearches, qint64 elapsedNs);

} // namespace orvane
