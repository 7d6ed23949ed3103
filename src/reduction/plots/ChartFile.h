#pragma once

#include "reduction/SetsReduction.h"

#include <QChartView>
#include <vector>

namespace orvane {

// The views drawn one under the other into a PNG or SVG file, by the file's extension; false
// with `error` set when it cannot be written.
bool saveChartViews(const std::vector<QChartView*>& views, const QString& path, QString& error);

// Both plots of the reduction, the readings over the surface profile, into one file.
bool saveReductionPlots(const Reduction& reduction, const QString& path, QString& error);

} // namespace orvane
