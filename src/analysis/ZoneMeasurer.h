#pragma once

#include "analysis/FrameRateMeter.h"
#include "analysis/LiveDisplays.h"
#include "core/AppState.h"

#include <QImage>
#include <QString>
#include <array>

namespace orvane {

class Clock;
class EventPump;
struct Settings;

// The main window's state a measured frame reads.
struct MeasureInputs {
    const ZoneTable& zones;
    const MirrorData& mirror;
    const Settings& settings; // KnifeRight, Metric, StepSize and the unit
    const QString& MotorStatus;
    int Ypos = 0;
    bool tracking = false; // Chk_trak
    bool barsOff = false;  // BarsOff
    bool manual = true;    // Manual: false while the automated test measures
};

struct MeasureResult {
    bool trackingFailed = false; // tracking ran and left the circle where it was
};

// Per-zone brightness of the two sampling windows, averaged over the last frames, with the
// video overlay, the status texts, the frame rate and the bar graphs.
class ZoneMeasurer {
  public:
    static constexpr int HistorySlots = 30;

    explicit ZoneMeasurer(Clock& clock);

    int framesToAverage() const { return framesToAverage_; }
    // Slider1's notifications and the test's frame counts. Only 30 frames of history exist, so
    // a larger count averages 30 (and a count below 1 averages 1).
    void setFramesToAverage(int frames);
    // "Averaging <n> Frames", the caption of Frame3.
    QString averagingCaption() const;

    // MeasureZones: reads the zones on `frame` (never on the overlay), may nudge `circle` when
    // tracking, redraws `out.picture1` from the frame and `out.picture2`'s bars, then lets
    // events run once through `pump`.
    MeasureResult measureZones(const QImage& frame, const MeasureInputs& in, MirrorCircle& circle,
                               LiveDisplays& out, EventPump& pump);

    int LZV(int zone) const { return lzv_.at(zone); }
    int RZV(int zone) const { return rzv_.at(zone); }
    // Slot 1 is the newest frame's window average, slot k the one k - 1 frames older.
    int leftHistory(int slot, int zone) const { return leftHistory_.at(zone).at(slot); }
    int rightHistory(int slot, int zone) const { return rightHistory_.at(zone).at(slot); }

    FrameRateMeter& frameRate() { return frameRate_; }

  private:
    using History = std::array<std::array<int, HistorySlots + 1>, MaxZones + 1>;

    void measureZone(const QImage& frame, const MirrorCircle& circle, double centerFrac, int zone);

    History leftHistory_{};
    History rightHistory_{};
    std::array<int, MaxZones + 1> lzv_{};
    std::array<int, MaxZones + 1> rzv_{};
    int framesToAverage_ = 10;
    FrameRateMeter frameRate_;
};

} // namespace orvane
