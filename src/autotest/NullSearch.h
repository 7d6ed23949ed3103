#pragma once

#include "core/Settings.h"

#include <QList>
#include <QString>
#include <QStringList>

class QDebug;

namespace orvane {

enum class Axis { Knife, Platform };

// Half-steps on one axis, each followed by a busy wait. `phase` is the direction as the stepper
// driver takes it: knife +1 is Xpos + 1; platform +1 is towards the mirror (Ypos - 1).
struct AxisMove {
    Axis axis = Axis::Knife;
    int phase = 1;
    int count = 0;
    int waitFactor = 0;

    bool operator==(const AxisMove&) const = default;
};

// What the search wants done after one measured frame.
struct SearchStep {
    QList<AxisMove> moves; // in the order they are to be made
    QString message;       // goes in front of Text1; empty when there is none
    bool nullFound = false;
    bool zoneEnded = false; // no further frame belongs to this zone
    QStringList why;        // the rules that decided it, for the search log
};

// The step's reasons and moves on one line; K is the knife side's zone value, O the other's.
QDebug operator<<(QDebug debug, const SearchStep& step);

// The per-zone null search, one call per measured frame. It holds only the frame counter and
// the three flags; the caller grabs, measures, moves the motors and checks for abort.
class NullSearch {
  public:
    static constexpr int HistoryDepth = 30; // frames of history the zone measurement keeps
    static constexpr int KnifeWait = 2;
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

    bool cutIn() const { return cutIn_; }
    bool cutOut() const { return cutOut_; }
    bool foundOblate() const { return foundOblate_; }

  private:
    void adjustKnife(int k, bool knifeRight, const AutoTestVariables& vars, SearchStep& step);
    void movePlatform(int phase, int count, SearchStep& step);
    QString forwardMessage(int lzv, int rzv) const;
    // The next frame then averages only what was measured since the move.
    void restartAverage() { frame_ = 1; }

    int zone_ = 0;
    int frame_ = 1;
    int lastFrame_ = 0;
    bool cutIn_ = false;
    bool cutOut_ = false;
    bool foundOblate_ = false;
};

} // namespace orvane
