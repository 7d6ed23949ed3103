#include "app/cli/HeadlessCommand.h"
#include "app/cli/ReduceCommand.h"
#include "reduction/plots/ChartFile.h"
#include "reduction/plots/RepeatChart.h"

#include <QApplication>

int main(int argc, char** argv) {
    // The overlay is drawn with fonts and the reduction's plots with charts, which need a GUI
    // platform; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QApplication::arguments();
    if (orvane::isReduceCommand(arguments))
        return orvane::runReduceCommand(arguments, out, err, orvane::saveReductionPlots);
    return orvane::runHeadlessCommand(arguments, out, err, orvane::saveRepeatPlot);
}
