#pragma once

#include <QChart>
#include <QString>

namespace orvane {

// Titles both axes, fits them to the series and fixes the look the plots share.
void finishChart(QChart* chart, const QString& title, const QString& xTitle, const QString& yTitle);

} // namespace orvane
