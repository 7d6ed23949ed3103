#pragma once

#include "core/AppState.h"

#include <QString>
#include <QStringList>

namespace orvane {

inline constexpr int MirrorRecordLines = 7;

// The record file of a mirror: programFolder/mirrors/<name>.ini, matched whatever its case.
QString mirrorRecordPath(const QString& programFolder, const QString& name);

// The seven lines of a record: name, diameter, ROC, conic constant, obstruction, zones, next test.
QStringList mirrorRecordLines(const MirrorData& mirror);

// Creates the mirrors folder when missing and writes the lines; false, with `problem` saying
// why, when anything failed.
bool writeMirrorRecord(const QString& programFolder, const QString& name, const QStringList& lines,
                       QString* problem = nullptr);

// The largest length a record may give, in the record's unit.
inline constexpr double MaxRecordLength = 1e6;

struct MirrorRecordRead {
    bool loaded = false;
    QString problem;   // why not, naming the file and the line with its value
    QStringList notes; // what was taken in place of what the record says
};

// Fills `mirror` field by field in the record's order, each value checked against the range the
// editor accepts, and stops at the first line that is no such value, so fields read before a
// failure keep their new values. The mirror takes the record's own file name: a first line that
// names another mirror is noted and not used, so no save writes another mirror's files. A
// blank or missing test number is the editor's first, 1, and noted. A missing file fails at once.
MirrorRecordRead readMirrorRecord(const QString& path, MirrorData& mirror);

} // namespace orvane
