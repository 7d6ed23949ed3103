#pragma once

#include "core/AppState.h"

#include <QString>
#include <QStringList>
#include <optional>

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

// Fills `mirror` field by field in the record's order and stops at the first line that is no
// number, so fields read before a failure keep their new values. A missing file fails at once.
bool readMirrorRecord(const QString& path, MirrorData& mirror);

// A record number: a missing or blank line counts 0, anything else must be a number.
std::optional<double> recordNumber(const QString& line);

} // namespace orvane
