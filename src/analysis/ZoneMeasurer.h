#pragma once

#include "analysis/FrameRateMeter.h"
#include "analysis/MirrorTracker.h"
#include "core/AppState.h"

#include <QImage>
#include <QString>
#include <array>
#include <optional>

namespace orvane {

class Clock;

// The main window's state a measured frame reads.
struct MeasureInputs {
    const ZoneTable& zones;
    int zoneCount = 0;       // the mirror's NZ
    bool tracking = false;   // Chk_trak
    bool KnifeRight = false; // tracking looks at the edge away from the knife
};

// What one frame's measurement found, for whoever shows it.
struct FrameMeasurement {
    int zoneCount = 0; // zones 1..zoneCount were measured
    std::array<int, MaxZones + 1> LZV{};
    std::array<int, MaxZones + 1> RZV{};
    int framesAveraged = 0;
    std::optional<TrackOutcome> track{}; // when tracking ran
    qint64 framesPerSecond = 0;          // the frame-rate figure
};

// "Averaging <n> Frames", the caption of Frame3.
QString averagingCaption(int frames);

// Per-zone brightness of the two sampling windows, averaged over the last frames, and the frame
// rate.
class ZoneMeasurer {
  public:
    static constexpr int HistorySlots = 30;

    explicit ZoneMeasurer(Clock& clock);

    int framesToAverage() const { return framesToAverage_; }
    // Slider1's notifications and the test's frame counts. Only 30 frames of history exist, so
    // a larger count averages 30 (and a count below 1 averages 1).
    void setFramesToAverage(int frames);

    // MeasureZones: reads the zones on `frame`, after tracking (when on) has nudged `circle`.
    // The frame is the camera's own, of any size; `circle` is in picture pixels.
    FrameMeasurement measureZones(const QImage& frame, const MeasureInputs& in,
                                  MirrorCircle& circle);
    // A frame while no zones are evaluated: tracking when on, and the frame rate with its rates
    // cut rather than rounded.
    FrameMeasurement measureWithoutZones(const QImage& frame, const MeasureInputs& in,
                                         MirrorCircle& circle);

    int LZV(int zone) const { return lzv_.at(zone); }
    int RZV(int zone) const { return rzv_.at(zone); }
    // The newest frame's window means before they are cut to whole numbers: whole grey levels
    // would hide balances finer than a level.
    double exactLeft(int zone) const { return exactLeft_.at(zone); }
    double exactRight(int zone) const { return exactRight_.at(zone); }
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
    std::array<double, MaxZones + 1> exactLeft_{};
    std::array<double, MaxZones + 1> exactRight_{};
    int framesToAverage_ = 10;
    FrameRateMeter frameRate_;
};

} // namespace orvane
