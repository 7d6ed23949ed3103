#pragma once

#include "core/SimulatedBenchUse.h"

#include <QImage>
#include <QString>
#include <optional>

namespace orvane {

// What the main window shows for the analysis: the three picture boxes and the averaging frame.
// The window sizes zoneBars and speedGauge to its boxes and shows all three as
// they are after every pass.
struct LiveDisplays {
    QImage liveView;   // the grabbed frame with the overlay drawn on a copy
    QImage zoneBars;   // zone bar graphs, or the instruction text after Reset
    QImage speedGauge; // speed gauge, 40 pixels wide
    QString averagingCaption = QStringLiteral("Averaging 10 Frames");
    // Set when the automated test drives the averaging: Slider1 moves to this value.
    std::optional<int> averagingSliderPosition;
    // The screen's pixels per picture pixel: the overlay is drawn at it to stay sharp.
    qreal devicePixelRatio = 1;
    // Said on liveView while the simulated bench stands in for the rig.
    SimulatedBenchUse simulatedBench;
};

} // namespace orvane
