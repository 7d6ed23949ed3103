#pragma once

#include "autotest/TestOptions.h"

#include <QString>
#include <QtGlobal>
#include <optional>

namespace orvane {

// When the tests of a repeated series start: every so many minutes from the first one's start,
// or at once when the last one ran past that time (or the series runs back to back), until the
// count is reached.
class RepeatSchedule {
  public:
    RepeatSchedule(const RepeatOptions& options, qint64 firstStartNs);

    // After a test that ended at `endNs`: when the next one starts, or nothing when the series
    // is complete (or the options ask for one test only).
    std::optional<qint64> next(qint64 endNs);
    // Tests started so far, the first included.
    int started() const { return started_; }
    int count() const { return count_; }

  private:
    qint64 firstStartNs_;
    qint64 periodNs_;
    int count_;
    int started_ = 1;
};

// "Test 2 of 5 starts in 9:41".
QString countdownLine(int test, int count, qint64 leftNs);

} // namespace orvane
