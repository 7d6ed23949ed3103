#pragma once

#include "core/MessageBoxes.h"
#include "reduction/SetsReduction.h"

#include <QWidget>
#include <memory>

namespace Ui {
class ResultsWindow;
}

class QChartView;

namespace orvane {

// The verdict on the mirror: the zonal table, 1/N wave, RMS, Strehl, the best-fit conic and
// Millies-Lacroix per zone, beside the readings and surface-profile plots, each of which saves
// as PNG or SVG.
class ResultsWindow : public QWidget {
    Q_OBJECT
  public:
    enum class Plot { Readings, Profile };

    ResultsWindow(const Reduction& reduction, MessageBoxes& boxes, QWidget* parent = nullptr);
    ~ResultsWindow() override;

    // Saves one plot by the file's extension (.svg, else PNG); says so and returns false when
    // the file cannot be written.
    bool savePlot(Plot plot, const QString& path);

  private:
    void showZonalTable(const Reduction& reduction);
    void showVerdict(const Reduction& reduction);
    void askAndSave(Plot plot);

    std::unique_ptr<Ui::ResultsWindow> ui_;
    MessageBoxes& boxes_;
    QString mirrorName_;
    QChartView* readingsView_;
    QChartView* profileView_;
};

} // namespace orvane
