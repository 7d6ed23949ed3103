#pragma once

#include "results/ResultsContext.h"
#include "results/WriterOutcome.h"

namespace orvane {

// The figure file's text for lengths already in inches.
QString figureFileText(const Settings& settings, const MirrorData& inchMirror,
                       const ZoneTable& zones, const ZoneReadings& inchReadings);

// textpath/<mirror>/Figure/Test<n>.fig, found whatever its letter case.
QString figureFilePath(const QString& textpath, const QString& mirror, int test);

// Writes the figure file of test WorkNum in inches beside copies of figure45.exe and its two
// support files, and starts figure45.exe when asked to. On failure says so; the current mirror
// and the readings are never changed.
WriterOutcome exportFigure(const ResultsContext& context);

} // namespace orvane
