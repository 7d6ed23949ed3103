#include "reduction/widgets/ResultsWindow.h"

#include "reduction/ReductionText.h"
#include "reduction/plots/ChartFile.h"
#include "reduction/plots/ProfileChart.h"
#include "reduction/plots/ReadingsChart.h"
#include "ui_ResultsWindow.h"

#include <QChartView>
#include <QFileDialog>
#include <QHeaderView>

namespace orvane {

namespace {
const QColor FailColour(255, 205, 205);

QChartView* chartView(QChart* chart, QWidget* container) {
    auto* view = new QChartView(chart, container);
    view->setRenderHint(QPainter::Antialiasing);
    container->layout()->addWidget(view);
    return view;
}

QString fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}
} // namespace

ResultsWindow::ResultsWindow(const Reduction& reduction, MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent, Qt::Window), ui_(std::make_unique<Ui::ResultsWindow>()), boxes_(boxes),
      mirrorName_(reduction.input.mirror.name) {
    ui_->setupUi(this);
    setWindowTitle(QStringLiteral("Results - %1").arg(mirrorName_));
    readingsView_ = chartView(readingsChart(reduction), ui_->readingsPlot);
    profileView_ = chartView(profileChart(reduction), ui_->profilePlot);
    showZonalTable(reduction);
    showVerdict(reduction);
    connect(ui_->cmdSaveReadings, &QPushButton::clicked, this,
            [this] { askAndSave(Plot::Readings); });
    connect(ui_->cmdSaveProfile, &QPushButton::clicked, this,
            [this] { askAndSave(Plot::Profile); });
    connect(ui_->cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

ResultsWindow::~ResultsWindow() = default;

void ResultsWindow::showZonalTable(const Reduction& r) {
    const ZonalTable& t = r.mean.zonal;
    QTableWidget* table = ui_->tableZones;
    table->setColumnCount(7);
    table->setHorizontalHeaderLabels({QStringLiteral("Zone"), QStringLiteral("Radius"),
                                      QStringLiteral("Reading"), QStringLiteral("Lambda_c"),
                                      QStringLiteral("TA x1e5"), QStringLiteral("TA/rho"),
                                      QStringLiteral("Millies-Lacroix")});
    table->setRowCount(int(t.zones.size()));
    for (int i = 0; i < int(t.zones.size()); ++i) {
        const ZonalZone& z = t.zones[size_t(i)];
        const bool pass = z.withinMilliesLacroix();
        const QStringList cells{QString::number(i + 1),
                                fixed(z.radius, 3),
                                fixed(r.mean.readings[size_t(i)], 4),
                                fixed(z.lambdaC, 4),
                                fixed(z.ta * 1e5, 2),
                                fixed(z.taOverRho, 2),
                                pass ? QStringLiteral("pass") : QStringLiteral("fail")};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (!pass)
                item->setBackground(FailColour);
            table->setItem(i, column, item);
        }
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    // As tall as its rows, so the verdict sits right under it.
    table->setMaximumHeight(table->horizontalHeader()->height() +
                            table->verticalHeader()->length() + 2 * table->frameWidth());
}

void ResultsWindow::showVerdict(const Reduction& r) {
    const ReductionMirror& m = r.input.mirror;
    const QString unit = unitName(m.units);
    ui_->lblMirror->setText(
        QStringLiteral("%1: %2 %3 mirror, ROC %4 %3, %5 source; %6 set(s), C = %7 %3 "
                       "(fixed-source terms), wavelength %8 nm")
            .arg(m.name, QString::number(m.diameter), unit, QString::number(m.roc),
                 r.input.source == TesterSource::Moving ? QStringLiteral("moving")
                                                        : QStringLiteral("fixed"))
            .arg(r.sets.size())
            .arg(fixed(r.mean.zonal.c, 4))
            .arg(r.input.wavelengthNm));
    QStringList lines = verdictLines(r);
    const ReductionUncertainty& u = r.uncertainty;
    if (u.draws > 0)
        lines << QStringLiteral("80% limits: surface RMS %1 to %2 nm, Strehl %3 to %4")
                     .arg(fixed(u.surfaceRmsNm.low, 1), fixed(u.surfaceRmsNm.high, 1),
                          fixed(u.strehl.low, 3), fixed(u.strehl.high, 3));
    lines << r.notes;
    ui_->lblVerdict->setText(lines.join(QLatin1Char('\n')));
}

bool ResultsWindow::savePlot(Plot plot, const QString& path) {
    QString error;
    if (saveChartViews({plot == Plot::Readings ? readingsView_ : profileView_}, path, error))
        return true;
    boxes_.show({QStringLiteral("Save Plot"), error, MessageIcon::Exclamation});
    return false;
}

void ResultsWindow::askAndSave(Plot plot) {
    const QString suggested =
        QStringLiteral("%1-%2.png")
            .arg(mirrorName_,
                 plot == Plot::Readings ? QStringLiteral("readings") : QStringLiteral("profile"));
    QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save Plot"), suggested,
                                     QStringLiteral("PNG image (*.png);;SVG drawing (*.svg)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) &&
        !path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        path += QStringLiteral(".png");
    savePlot(plot, path);
}

} // namespace orvane
