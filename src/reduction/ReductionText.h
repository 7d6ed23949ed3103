#pragma once

#include "reduction/SetsReduction.h"

#include <QStringList>

namespace orvane {

// The verdict in a few lines: 1/N wave, RMS and Strehl, the best-fit conic, Millies-Lacroix.
QStringList verdictLines(const Reduction& reduction);

// The whole reduction for people: the zonal table, the wavefront at the edges, the profile of
// the mean and of each set, and the uncertainty.
QString reductionText(const Reduction& reduction);

// "1/1.2 wave", or what stands for it when nothing deviates.
QString oneOverNText(double oneOverN);

} // namespace orvane
