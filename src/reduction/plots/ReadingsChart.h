#pragma once

#include "reduction/SetsReduction.h"

#include <QChart>

namespace orvane {

// The readings against the radius beside the target conic's expected readings (shifted by the
// zonal table's C) and the Millies-Lacroix envelope around them, in the tester's own terms.
QChart* readingsChart(const Reduction& reduction);

} // namespace orvane
