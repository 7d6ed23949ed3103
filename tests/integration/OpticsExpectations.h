#pragma once

#include "app/cli/HeadlessTestRun.h"

namespace orvane::testkit {

// The knife plane of zone `zone`'s null as the run's windows sample it: the mean of the true
// nulls at the radii of the two pixel columns read (the null balances the two windows).
double opticalNull(HeadlessTestRun& run, int zone);

// What the bench's optics say zone `zone` should read: its null relative to zone 1's.
double opticalReading(HeadlessTestRun& run, int zone);

// Every zone of every set within `margin` of `expected(zone)`.
void expectReadings(const HeadlessTestRun& run, int sets,
                    const std::function<double(int zone)>& expected, double margin);

} // namespace orvane::testkit
