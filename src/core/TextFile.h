#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace orvane {

inline constexpr char CrLf[] = "\r\n";

// Joins the lines with CR LF, each line (the last too) ending in CR LF.
QString crlfJoin(const QStringList& lines);

// The text in UTF-8, written whole or not at all (see saveFileSafely); `error` says why not.
bool writeTextFile(const QString& path, const QString& text, QString* error = nullptr);
bool appendTextFile(const QString& path, const QString& text, QString* error = nullptr);

// Lines of a text file with CR LF or LF ends; a final line end does not add an empty line.
std::optional<QStringList> readTextLines(const QString& path, QString* error = nullptr);
QStringList splitTextLines(const QString& text);

// The line, from 1, that gives "section/key" in the lines of an INI file; 0 when none does.
int iniKeyLine(const QStringList& lines, const QString& sectionSlashKey);

} // namespace orvane
