#include "reduction/plots/ChartFile.h"

#include "core/SafeSave.h"
#include "reduction/plots/ProfileChart.h"
#include "reduction/plots/ReadingsChart.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace orvane {

namespace {
const QSize PlotSize(900, 520);

QSize stackedSize(const std::vector<QChartView*>& views) {
    QSize size(0, 0);
    for (const QChartView* view : views)
        size = QSize(std::max(size.width(), view->width()), size.height() + view->height());
    return size;
}

void drawStacked(const std::vector<QChartView*>& views, QPainter& painter) {
    int top = 0;
    for (QChartView* view : views) {
        static_cast<QWidget*>(view)->render(&painter, QPoint(0, top)); // the whole widget
        top += view->height();
    }
}
} // namespace

bool saveChartViews(const std::vector<QChartView*>& views, const QString& path, QString& error) {
    // The charts lay themselves out on posted events; a view never shown has not had them.
    QApplication::sendPostedEvents();
    const QSize size = stackedSize(views);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool drawn = true;
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("Mirror reduction"));
        QPainter painter(&svg);
        drawStacked(views, painter);
    } else {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        drawStacked(views, painter);
        painter.end();
        drawn = image.save(&buffer, "PNG");
    }
    if (!drawn) {
        error = QStringLiteral("%1 was not saved: the picture could not be encoded.").arg(path);
        return false;
    }
    return saveFileSafely(path, bytes, &error);
}

bool saveReductionPlots(const Reduction& reduction, const QString& path, QString& error) {
    QChartView readings(readingsChart(reduction));
    QChartView profile(profileChart(reduction));
    for (QChartView* view : {&readings, &profile}) {
        view->setRenderHint(QPainter::Antialiasing);
        view->resize(PlotSize);
    }
    return saveChartViews({&readings, &profile}, path, error);
}

} // namespace orvane
