#pragma once

#include <QString>

namespace orvane {

// Whether the simulated bench stands in for a real rig, and which bench file it plays. Every
// place where a simulation could be taken for a real mirror (the window, the picture, the
// reports) says so through the texts below.
struct SimulatedBenchUse {
    bool motors = false; // the motor port drives the bench
    bool camera = false; // capture driver 0, the bench's camera, delivers the picture
    QString benchFile;   // the bench file it plays; empty for the built-in bench

    bool active() const { return motors || camera; }
    bool operator==(const SimulatedBenchUse&) const = default;
};

// "Simulated bench (bench-demo6f4.ini)", or "Simulated bench (built-in)"; empty when the
// bench is not in use.
QString simulatedBenchText(const SimulatedBenchUse& use);

// `title`, followed by " — " and the text above while the bench is in use.
QString titleWithSimulatedBench(const QString& title, const SimulatedBenchUse& use);

// The line a saved report gets below its own layout, "Simulated bench: bench-demo6f4.ini (not a
// real mirror)", without a line end; empty when the bench is not in use.
QString simulatedBenchReportLine(const SimulatedBenchUse& use);
// A line that simulatedBenchReportLine wrote.
bool isSimulatedBenchReportLine(const QString& line);

} // namespace orvane
