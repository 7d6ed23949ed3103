#pragma once

#include "reduction/RepeatSeries.h"

#include <QChart>

namespace orvane {

// Each zone's reading against time, and the best-fit conic on its own axis: a mirror settling
// after polishing shows as lines that level off.
QChart* repeatChart(const std::vector<RepeatedTest>& tests, const QString& unit);

// The chart into a PNG or SVG file; false with `error` set when it cannot be written.
bool saveRepeatPlot(const std::vector<RepeatedTest>& tests, const QString& unit,
                    const QString& path, QString& error);

} // namespace orvane
