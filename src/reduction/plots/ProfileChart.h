#pragma once

#include "reduction/SetsReduction.h"

#include <QChart>

namespace orvane {

// The surface error in nm across the radius, for each set and for their mean.
QChart* profileChart(const Reduction& reduction);

} // namespace orvane
