#pragma once

#include <QString>

namespace orvane {

// Choices of this program's own that the settings file, whose layout stays as it is, has no line
// for; kept in orvane-options.ini beside it.
struct ProgramOptions {
    bool recordTests = false; // each test's frames as a video beside its report
};

QString programOptionsPath(const QString& programFolder);
// The defaults for a file that is missing or unreadable, or a value that is not one.
ProgramOptions loadProgramOptions(const QString& programFolder);
bool saveProgramOptions(const QString& programFolder, const ProgramOptions& options,
                        QString* problem = nullptr);

} // namespace orvane
