#pragma once

#include "autotest/KnifeTrim.h"
#include "autotest/SearchStep.h"
#include "core/Settings.h"

namespace orvane {

// The per-zone null search, one call per measured frame. It holds only the frame counter and
// the three flags; the caller grabs, measures, moves the motors and checks for abort.
class NullSearch {
  public:
    static constexpr int HistoryDepth = 30; // frames of history the zone measurement keeps
    static constexpr int KnifeWait = KnifeTrim::KnifeWait;
    static constexpr int PlatformWait = 3;
    static constexpr int TowardsMirror = 1;
    static constexpr int AwayFromMirror = -1;

    // Begins a zone; the last frame number is fixed here even if the variable changes later.
    void start(int zone, const AutoTestVariables& vars);

    // Judges the frame just measured. The variables are read at every call.
    SearchStep onFrame(int lzv, int rzv, bool knifeRight, const AutoTestVariables& vars);

    // True before the first frame when the zone has no frames at all (last frame below 1).
    bool finished() const { return frame_ > lastFrame_; }
    int frame() const { return frame_; }
    // The frame counter can run past the measured history when a settings file holds a large
    // final frame count; the average then covers the whole history while the counter keeps
    // counting towards the final judgement.
    int framesToAverage() const { return frame_ < HistoryDepth ? frame_ : HistoryDepth; }

    bool cutIn() const { return knife_.cutIn(); }
    bool cutOut() const { return knife_.cutOut(); }
    bool foundOblate() const { return foundOblate_; }

  private:
    void movePlatform(int phase, int count, SearchStep& step);
    QString forwardMessage(int lzv, int rzv) const;
    // The next frame then averages only what was measured since the move.
    void restartAverage() { frame_ = 1; }

    int zone_ = 0;
    int frame_ = 1;
    int lastFrame_ = 0;
    KnifeTrim knife_;
    bool foundOblate_ = false;
};

} // namespace orvane
