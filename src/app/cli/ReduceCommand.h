#pragma once

#include "reduction/SetsReduction.h"

#include <QStringList>
#include <QTextStream>
#include <functional>

namespace orvane {

// Draws the reduction's plots into one PNG or SVG file (by its extension); false with `error`
// set when it cannot.
using ReductionPlotWriter =
    std::function<bool(const Reduction& reduction, const QString& path, QString& error)>;

// Whether the command line (the program's name first) asks for `orvane-cli reduce`.
bool isReduceCommand(const QStringList& arguments);

// `orvane-cli reduce FILE [--json] [--radius mean|couder|carlin] [--wavelength NM]
// [--plot FILE.png|FILE.svg]`: the reduction as text or JSON on `out`. Input it cannot reduce
// gets one message on `err` and exit status 1, bad usage the usage and 2; either way nothing is
// printed on `out` and no plot is written.
int runReduceCommand(const QStringList& arguments, QTextStream& out, QTextStream& err,
                     const ReductionPlotWriter& writePlots);

QString reduceUsage();

} // namespace orvane
