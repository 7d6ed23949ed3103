#pragma once

#include <QList>
#include <QString>

namespace orvane {

// One measured frame of a test's null searches, kept so the test can be reviewed afterwards.
struct FrameLogRow {
    int frame = 0;      // counted from 1 over the whole test
    double seconds = 0; // since the test started
    int knife = 0;      // Xpos
    int platform = 0;   // Ypos
    int zone = 0;
    int LZV = 0;
    int RZV = 0;
};

// The log as CSV: a header line, then one line per frame.
QString frameLogCsv(const QList<FrameLogRow>& rows);

} // namespace orvane
