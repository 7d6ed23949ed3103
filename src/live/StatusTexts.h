#pragma once

#include <QRectF>
#include <QString>
#include <QtGlobal>

class QPainter;

namespace orvane {

struct MirrorData;
struct Settings;
struct SimulatedBenchUse;

// "Knife Travel = <platform position in the user's unit>" with the unit mark.
QString knifeTravelText(int Ypos, const Settings& settings);

// Prints the knife travel at the bottom left of the video picture.
void drawKnifeTravel(QPainter& painter, int Ypos, const Settings& settings);

// The knife travel, the motor status and, with a mirror named, "Using File ... Test #n".
void drawStatusTexts(QPainter& painter, int Ypos, const Settings& settings,
                     const QString& MotorStatus, const MirrorData& mirror);

// Prints "<figure> FPS" at its place on the video picture.
void drawFrameRate(QPainter& painter, qint64 figure);

// The rows between the texts at the top (file line, frame rate) and at the bottom (bench line,
// knife travel) in the painter's font: the cross-hair stays inside them.
QRectF crossHairBand(const QPainter& painter);

// "Simulated bench (...)" on a line of its own above the knife travel while the bench is in
// use; nothing with real hardware.
void drawSimulatedBench(QPainter& painter, const SimulatedBenchUse& use);

} // namespace orvane
