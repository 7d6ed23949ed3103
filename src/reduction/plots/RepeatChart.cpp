#include "reduction/plots/RepeatChart.h"

#include "reduction/plots/ChartFile.h"
#include "reduction/plots/ChartStyle.h"

#include <QLineSeries>
#include <QValueAxis>

namespace orvane {

namespace {
const QSize PlotSize(900, 560);
constexpr qreal ConicWidth = 3;

QValueAxis* axis(QChart* chart, Qt::Alignment side, const QString& title) {
    auto* made = new QValueAxis;
    made->setTitleText(title);
    chart->addAxis(made, side);
    return made;
}

void attach(QChart* chart, QLineSeries* series, QValueAxis* x, QValueAxis* y) {
    series->setPointsVisible(true);
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}
} // namespace

QChart* repeatChart(const std::vector<RepeatedTest>& tests, const QString& unit) {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Readings and best-fit conic over time"));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    QValueAxis* time = axis(chart, Qt::AlignBottom, QStringLiteral("Minutes"));
    QValueAxis* readings =
        axis(chart, Qt::AlignLeft, QStringLiteral("Knife reading (%1)").arg(unit));
    QValueAxis* conic = axis(chart, Qt::AlignRight, QStringLiteral("Best-fit conic"));
    const size_t zones = tests.empty() ? 0 : tests.front().readings.size();
    double low = 0, high = 0;
    for (size_t zone = 0; zone < zones; ++zone) {
        auto* series = new QLineSeries;
        series->setName(QStringLiteral("Zone %1").arg(zone + 1));
        series->setColor(zone + 1 == zones ? meanColour() : setColour(zone));
        for (const RepeatedTest& test : tests) {
            const double value = test.readings.at(zone);
            series->append(test.minutes, value);
            low = std::min(low, value);
            high = std::max(high, value);
        }
        attach(chart, series, time, readings);
    }
    auto* conics = new QLineSeries;
    conics->setName(QStringLiteral("Best-fit conic"));
    QPen pen(Qt::black, ConicWidth, Qt::DashLine);
    conics->setPen(pen);
    double conicLow = 0, conicHigh = 0;
    for (const RepeatedTest& test : tests) {
        if (!test.conic)
            continue;
        if (conics->count() == 0)
            conicLow = conicHigh = *test.conic;
        conics->append(test.minutes, *test.conic);
        conicLow = std::min(conicLow, *test.conic);
        conicHigh = std::max(conicHigh, *test.conic);
    }
    attach(chart, conics, time, conic);
    const double first = tests.empty() ? 0.0 : tests.front().minutes;
    const double last = tests.empty() ? 0.0 : tests.back().minutes;
    time->setRange(first, std::max(last, first + 1));
    readings->setRange(low, high > low ? high : low + 0.001);
    readings->applyNiceNumbers();
    const double margin = std::max(0.01, (conicHigh - conicLow) * 0.1);
    conic->setRange(conicLow - margin, conicHigh + margin);
    conic->applyNiceNumbers();
    return chart;
}

bool saveRepeatPlot(const std::vector<RepeatedTest>& tests, const QString& unit,
                    const QString& path, QString& error) {
    QChartView view(repeatChart(tests, unit));
    view.setRenderHint(QPainter::Antialiasing);
    view.resize(PlotSize);
    return saveChartViews({&view}, path, error);
}

} // namespace orvane
