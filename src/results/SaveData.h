#pragma once

#include "results/ResultsContext.h"
#include "results/WriterOutcome.h"

#include <QList>

namespace orvane {

struct SaveDataResult {
    bool configured = true;   // at least one writer is switched on
    bool SaveProblem = false; // a file was not saved; the test number was not advanced
    // Every file the save wrote or tried to, the mirror record last when it was reached.
    QList<WriterOutcome> files;
};

// "Save Data": runs the writers switched on in the save options (figure, text report,
// sixtests) for the first test number none of whose files exists yet, telling the user when
// that is not the mirror's next number, so no saved test is ever written over. When every
// writer succeeded it rewrites the mirror's record with the test number advanced; the number
// in memory advances only once the record is saved. Anything not saved is told in one message
// with the reasons, and the test number then stays as it was.
SaveDataResult saveData(const ResultsContext& context);

// Why Save Data has nothing to save: no mirror is loaded, or no test has taken a reading yet.
// Empty when there is something; a save then would write a nameless record or an empty report.
QString nothingToSave(const MirrorData& mirror, const ZoneReadings& readings);

} // namespace orvane
