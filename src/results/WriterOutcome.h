#pragma once

#include <QString>

namespace orvane {

// What became of one file that Save Data wrote.
struct WriterOutcome {
    QString path;
    // Why the file was not saved, or what failed after it was (a program that would not
    // start); empty when all went well.
    QString problem;

    bool ok() const { return problem.isEmpty(); }
};

} // namespace orvane
