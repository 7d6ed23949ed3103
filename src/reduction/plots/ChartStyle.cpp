#include "reduction/plots/ChartStyle.h"

#include <QValueAxis>

namespace orvane {

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
