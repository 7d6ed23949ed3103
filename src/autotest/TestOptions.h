#pragma once

#include "autotest/PrecisionSearch.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace orvane {

// How often "Do the Magic" runs: once, or every so many minutes (0: as soon as the last run
// ends) until `count` runs or a stop.
struct RepeatOptions {
    std::optional<int> everyMinutes;
    int count = 5;

    bool operator==(const RepeatOptions&) const = default;
};

inline constexpr int MaxRepeatMinutes = 24 * 60;
inline constexpr int MaxRepeatCount = 1000;
inline constexpr double SmallestPrecisionLimit = 1e-6; // inches
inline constexpr double LargestPrecisionLimit = 0.01;
inline constexpr double LargestTakeUp = 0.1; // inches

// The test's options beyond the settings file, kept in orvane-test.ini beside it.
struct TestOptions {
    PrecisionOptions precision;
    RepeatOptions repeat;
    bool recordVideo = false; // each test's frames as a video beside its report
};

struct TestOptionsLoad {
    TestOptions options;
    QStringList warnings; // each bad value, which then keeps its default
};

inline const QString TestOptionsFileName = QStringLiteral("orvane-test.ini");

// A missing file gives the defaults without a warning.
TestOptionsLoad loadTestOptions(const QString& programFolder);
bool saveTestOptions(const QString& programFolder, const TestOptions& options,
                     QString* problem = nullptr);

} // namespace orvane
