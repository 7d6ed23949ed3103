#include "reduction/plots/ProfileChart.h"

#include "reduction/plots/ChartStyle.h"

#include <QLineSeries>
#include <QPen>

namespace orvane {

namespace {
QLineSeries* profileSeries(const QString& name, const SurfaceProfile& profile, qreal width,
                           const QColor& colour) {
    auto* series = new QLineSeries;
    series->setName(name);
    for (size_t j = 0; j < profile.radius.size(); ++j)
        series->append(profile.radius[j], profile.surfaceNm[j]);
    series->setPen(QPen(colour, width));
    return series;
}
} // namespace

QChart* profileChart(const Reduction& r) {
    auto* chart = new QChart;
    if (r.sets.size() > 1) {
        for (size_t k = 0; k < r.sets.size(); ++k)
            chart->addSeries(profileSeries(QStringLiteral("Set %1").arg(k + 1), r.sets[k].profile,
                                           1.5, setColour(k)));
    }
    chart->addSeries(
        profileSeries(r.sets.size() > 1 ? QStringLiteral("Mean") : QStringLiteral("Surface"),
                      r.mean.profile, 3, meanColour()));
    const SurfaceProfile& p = r.mean.profile;
    finishChart(chart,
                QStringLiteral("Surface error: RMS %1 nm, P-V %2 nm, Strehl %3")
                    .arg(p.surfaceRmsNm, 0, 'f', 1)
                    .arg(p.surfacePvNm, 0, 'f', 1)
                    .arg(p.strehl(), 0, 'f', 3),
                QStringLiteral("Radius (%1)").arg(unitName(r.input.mirror.units)),
                QStringLiteral("Surface (nm)"));
    return chart;
}

} // namespace orvane
