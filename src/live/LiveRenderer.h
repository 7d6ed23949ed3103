#pragma once

#include "analysis/ZoneMeasurer.h"
#include "core/AppState.h"
#include "live/LiveDisplays.h"

#include <QImage>
#include <QString>

namespace orvane {

struct Settings;

// The main window's state the pictures show beside what was measured.
struct OverlayInputs {
    const MirrorData& mirror;
    const ZoneTable& zones;
    const Settings& settings; // Metric, StepSize and the unit of the knife travel
    const QString& MotorStatus;
    int Ypos = 0;
    bool barsOff = false; // BarsOff
    bool manual = true;   // Manual: false while the automated test measures
};

// A frame whose zones were measured: `out.liveView` becomes the frame with the overlay (track
// marks, status texts, zone ticks, mirror outline, obstruction and frame rate), `out.zoneBars`
// the bar graphs unless switched off or not laid out; a test's averaging moves Slider1.
void drawZonePass(const QImage& frame, const FrameMeasurement& measured, const MirrorCircle& circle,
                  const OverlayInputs& in, LiveDisplays& out);

// A frame while no zones are evaluated: the outline, the frame rate and the knife travel, or with
// tracking on its marks and all the status texts.
void drawOutlinePass(const QImage& frame, const FrameMeasurement& measured,
                     const MirrorCircle& circle, const OverlayInputs& in, LiveDisplays& out);

} // namespace orvane
