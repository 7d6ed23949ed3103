#pragma once

#include <QStringList>
#include <QTextStream>

namespace orvane {

enum HeadlessExit {
    ExitCompleted = 0, // the test completed and its data were saved
    ExitFailed = 1,    // nothing to test, the test aborted, or Save Data failed
    ExitBadUsage = 2,
};

// `orvane-cli` with its arguments (the program's name first): runs the headless test and prints
// the readings, the frames used, the wall time and the bench it ran on to `out`; messages and the
// usage go to `err`.
int runHeadlessCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace orvane
