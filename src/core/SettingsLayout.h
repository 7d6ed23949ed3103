#pragma once

#include "core/Settings.h"

#include <QString>
#include <array>
#include <limits>
#include <variant>

namespace orvane {

inline constexpr int SettingsLineCount = 51;

// The kinds of value a line holds, each pointing at the setting it fills. `read` leaves the
// setting alone and answers false when the text is no such value.
struct BoolLine {
    bool* value;
    bool emptyReadsTrue = false;
    bool read(const QString& text) const;
    QString text() const;
};
struct IntLine {
    int* value;
    int min = std::numeric_limits<int>::min(); // a slider refuses values outside its range
    int max = std::numeric_limits<int>::max();
    bool read(const QString& text) const;
    QString text() const;
};
struct DoubleLine {
    double* value;
    bool read(const QString& text) const;
    QString text() const;
};
struct TextLine {
    QString* value;
    bool read(const QString& text) const;
    QString text() const;
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

} // namespace orvane
