#pragma once

#include "core/Settings.h"

#include <QString>
#include <array>
#include <variant>

namespace orvane {

inline constexpr int SettingsLineCount = 51;

// The kinds of value a line holds, each pointing at the setting it fills with the range it
// accepts. `read` leaves the setting alone and answers false when the text is no such value;
// `wanted` says what the line must hold.
struct BoolLine {
    bool* value;
    bool emptyReadsTrue = false;
    bool read(const QString& text) const;
    QString text() const;
    QString wanted() const;
};
struct IntLine {
    int* value;
    int min;
    int max;
    bool read(const QString& text) const;
    QString text() const;
    QString wanted() const;
};
struct DoubleLine {
    double* value;
    double min;
    double max;
    bool read(const QString& text) const;
    QString text() const;
    QString wanted() const;
};
enum class TextKind {
    Caption,    // any text
    Folder,     // empty, or a folder that exists or can be made
    MirrorName, // a mirror list entry: a record's name, or "" or "mnu" for none
};
struct TextLine {
    QString* value;
    TextKind kind = TextKind::Caption;
    bool read(const QString& text) const;
    QString text() const;
    QString wanted() const;
};
using LineValue = std::variant<BoolLine, IntLine, DoubleLine, TextLine>;

// What a bad value does to the load: in A or C it ends the load with that section's failure,
// keeping the values applied before it; in B only that line is skipped.
enum class SettingsSection { A, B, C };

struct SettingsLine {
    int line;        // from 0, in the file
    const char* key; // the main-window variable or control that holds the value
    SettingsSection section;
    LineValue value;
};

// The whole file, pointing into `settings`, in the order a load applies the lines.
std::array<SettingsLine, SettingsLineCount> settingsLayout(Settings& settings);

bool readLine(const LineValue& value, const QString& text);
QString lineText(const LineValue& value);
QString lineWanted(const LineValue& value);

} // namespace orvane
