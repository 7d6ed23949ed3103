#include "reduction/plots/ChartStyle.h"

#include <QValueAxis>
#include <iterator>

namespace orvane {

QColor setColour(size_t set) {
    static const QColor colours[] = {QColor(230, 159, 0), QColor(86, 180, 233), QColor(0, 158, 115),
                                     QColor(204, 121, 167)};
    return colours[set % std::size(colours)];
}

QColor meanColour() {
    return QColor(200, 30, 30);
}

void finishChart(QChart* chart, const QString& title, const QString& xTitle,
                 const QString& yTitle) {
    chart->setTitle(title);
    chart->createDefaultAxes();
    const QList<QAbstractAxis*> x = chart->axes(Qt::Horizontal);
    const QList<QAbstractAxis*> y = chart->axes(Qt::Vertical);
    if (!x.isEmpty())
        x.front()->setTitleText(xTitle);
    if (!y.isEmpty()) {
        y.front()->setTitleText(yTitle);
        if (auto* axis = qobject_cast<QValueAxis*>(y.front()))
            axis->applyNiceNumbers();
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setAnimationOptions(QChart::NoAnimation);
}

} // namespace orvane
