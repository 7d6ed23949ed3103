#pragma once

#include "reduction/RepeatSeries.h"

#include <QStringList>
#include <QTextStream>
#include <functional>

namespace orvane {

enum HeadlessExit {
    ExitCompleted = 0, // the test completed and its data were saved
    ExitFailed = 1,    // nothing to test, the test aborted, or Save Data failed
    ExitBadUsage = 2,
};

// Draws a repeated series' readings and conics into a picture file; false with the error set.
using RepeatPlotSaver = std::function<bool(const std::vector<RepeatedTest>&, const QString& unit,
                                           const QString& path, QString& error)>;

// `orvane-cli` with its arguments (the program's name first): runs the headless test (or tests,
// repeated) and prints the readings, the frames used, the times and the bench it ran on to `out`;
// messages and the usage go to `err`. A repeated series is drawn with `savePlot` when given.
int runHeadlessCommand(const QStringList& arguments, QTextStream& out, QTextStream& err,
                       const RepeatPlotSaver& savePlot = {});

} // namespace orvane
