#pragma once

#include <QChart>
#include <QColor>
#include <QString>

namespace orvane {

// Titles both axes, fits them to the series and fixes the look the plots share.
// Colours of the sets (in turn) and of their mean, the same in both plots.
QColor setColour(size_t set);
QColor meanColour();

void finishChart(QChart* chart, const QString& title, const QString& xTitle, const QString& yTitle);

} // namespace orvane
