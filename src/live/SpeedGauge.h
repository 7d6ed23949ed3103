#pragma once

class QImage;

namespace orvane {

// Clears the gauge box and prints "% Spd" at its top (also what the window's layout shows).
void drawSpeedCaption(QImage& picture3);

// The jog speed as a wedge that grows with `SpeedPercent`: green below 70, yellow to 95, red
// above.
void drawSpeedGauge(QImage& picture3, int SpeedPercent);

// "Vid" / "OFF!": at top speed the continuous run shows no video.
void drawVideoOffNotice(QImage& picture3);

} // namespace orvane
