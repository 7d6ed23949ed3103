#pragma once

class QImage;

namespace orvane {

// Clears the gauge box and prints "% Spd" at its top (also what the window's layout shows).
void drawSpeedCaption(QImage& speedGauge);

// The jog speed as a wedge that grows with `SpeedPercent`: green below 70, yellow to 95, red
// above.
void drawSpeedGauge(QImage& speedGauge, int SpeedPercent);

// "Vid" / "OFF!": at top speed the continuous run shows no video.
void drawVideoOffNotice(QImage& speedGauge);

} // namespace orvane
