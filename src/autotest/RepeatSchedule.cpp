#include "autotest/RepeatSchedule.h"

#include <algorithm>

namespace orvane {

namespace {
constexpr qint64 NsPerSecond = 1'000'000'000;
constexpr qint64 NsPerMinute = 60 * NsPerSecond;
} // namespace

RepeatSchedule::RepeatSchedule(const RepeatOptions& options, qint64 firstStartNs)
    : firstStartNs_(firstStartNs), periodNs_(options.everyMinutes.value_or(0) * NsPerMinute),
      count_(options.everyMinutes ? std::clamp(options.count, 1, MaxRepeatCount) : 1) {}

std::optional<qint64> RepeatSchedule::next(qint64 endNs) {
    if (started_ >= count_)
        return std::nullopt;
    const qint64 due = firstStartNs_ + started_ * periodNs_;
    ++started_;
    return std::max(due, endNs);
}

QString countdownLine(int test, int count, qint64 leftNs) {
    // Rounded up, so the count reaches 0:00 as the test starts.
    const qint64 secs = std::max<qint64>(0, (leftNs + NsPerSecond - 1) / NsPerSecond);
    return QStringLiteral("Test %1 of %2 starts in %3:%4")
        .arg(test)
        .arg(count)
        .arg(secs / 60)
        .arg(secs % 60, 2, 10, QLatin1Char('0'));
}

} // namespace orvane
