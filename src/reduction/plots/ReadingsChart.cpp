#include "reduction/plots/ReadingsChart.h"

#include "reduction/plots/ChartStyle.h"

#include <QAreaSeries>
#include <QLineSeries>
#include <QScatterSeries>
#include <algorithm>
#include <numeric>

namespace orvane {

namespace {
constexpr int CurvePoints = 120;
// The envelope grows as 1/r towards the centre; it starts a little inside the first zone.
constexpr double CurveStartFraction = 0.85;
constexpr qreal MeanMarker = 10;
constexpr qreal SetMarker = 6;

double meanOf(const std::vector<double>& values) {
    return std::accumulate(values.begin(), values.end(), 0.0) / values.size();
}

QScatterSeries* readingsSeries(const QString& name, const std::vector<double>& radii,
                               const std::vector<double>& readings, double shift, qreal size,
                               const QColor& colour) {
    auto* series = new QScatterSeries;
    series->setName(name);
    series->setMarkerSize(size);
    series->setColor(colour);
    series->setBorderColor(colour);
    for (size_t i = 0; i < radii.size(); ++i)
        series->append(radii[i], readings[i] + shift);
    return series;
}
} // namespace

QChart* readingsChart(const Reduction& r) {
    const ReductionSetup& s = r.setup;
    const double factor = fixedSourceFactor(s.source);
    const double c = r.mean.zonal.c;
    const double envelopeTimesR = 2 * s.target.roc * r.mean.zonal.rho;
    auto* expected = new QLineSeries;
    auto* upper = new QLineSeries;
    auto* lower = new QLineSeries;
    const double first = s.radii.front() * CurveStartFraction;
    const double last = std::max(s.diameter / 2, s.radii.back());
    for (int j = 0; j <= CurvePoints; ++j) {
        const double y = first + (last - first) * j / CurvePoints;
        const double centre = (s.target.paraxialFixedReading(y) + c) / factor;
        const double halfWidth = envelopeTimesR / y / factor;
        expected->append(y, centre);
        upper->append(y, centre + halfWidth);
        lower->append(y, centre - halfWidth);
    }
    auto* envelope = new QAreaSeries(upper, lower);
    envelope->setName(QStringLiteral("Millies-Lacroix"));
    envelope->setColor(QColor(120, 180, 120, 90));
    envelope->setBorderColor(QColor(60, 140, 60));
    expected->setName(QStringLiteral("Target %1 + C").arg(s.target.conic));
    expected->setColor(QColor(60, 140, 60));

    auto* chart = new QChart;
    chart->addSeries(envelope);
    chart->addSeries(expected);
    // The mean first, so that each set's smaller marker shows on top of it.
    chart->addSeries(
        readingsSeries(r.sets.size() > 1 ? QStringLiteral("Mean") : QStringLiteral("Readings"),
                       s.radii, r.mean.readings, 0, MeanMarker, meanColour()));
    const double meanLevel = meanOf(r.mean.readings);
    if (r.sets.size() > 1) {
        for (size_t k = 0; k < r.sets.size(); ++k) {
            const auto& set = r.sets[k].readings;
            chart->addSeries(readingsSeries(QStringLiteral("Set %1").arg(k + 1), s.radii, set,
                                            meanLevel - meanOf(set), SetMarker, setColour(k)));
        }
    }
    const QString unit = unitName(r.input.mirror.units);
    finishChart(chart,
                QStringLiteral("Readings against the target (%1 source)")
                    .arg(s.source == TesterSource::Moving ? QStringLiteral("moving")
                                                          : QStringLiteral("fixed")),
                QStringLiteral("Zone radius (%1)").arg(unit),
                QStringLiteral("Knife reading (%1)").arg(unit));
    return chart;
}

} // namespace orvane
