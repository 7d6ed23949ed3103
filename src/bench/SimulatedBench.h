#pragma once

#include "bench/BenchConfig.h"
#include "bench/BenchNoise.h"
#include "bench/CrossingMap.h"
#include "bench/CrossingTable.h"
#include "bench/FoucaultOptics.h"
#include "bench/RigMotor.h"
#include "capture/FrameSource.h"
#include "core/Clock.h"
#include "motion/MotorPort.h"

#include <QPointF>
#include <atomic>
#include <functional>
#include <optional>
#include <utility>

namespace orvane {

// A Foucault tester in software: a camera (capture driver 0) looking at the mirror past the
// knife, and the printer port whose data lines drive the rig's two motors and whose status
// lines carry a hand pad. It also tells its truth to tests. Axis positions are measured from
// the paraxial centre of curvature, positive away from the mirror; knife positions from the
// axis, positive to the right as seen from the tester.
class SimulatedBench : public FrameSource, public MotorPort {
  public:
    static inline const QString DriverName = QStringLiteral("ORVANE Simulated Foucault Bench");

    explicit SimulatedBench(const BenchConfig& config = {});

    // The camera. Frames are paced to the configured rate only after enablePacing.
    std::optional<QString> driverName(int index) const override;
    bool connectDriver(int index) override;
    std::optional<DriverCaps> capabilities() const override;
    bool grab(QImage& frame) override;
    void enablePacing(Clock& clock) { pacingClock_ = &clock; }
    // Runs before every picture: a motor line that lags behind the driver catches up first.
    void setBeforeGrab(std::function<void()> hook) { beforeGrab_ = std::move(hook); }
    // The clock a drifting conic follows, from now on; without one the conic stays put.
    void setDriftClock(const Clock& clock);

    // The port: data bytes drive the coils as the rig is wired; the status byte is the pad's,
    // which a simulated motor board reads from a thread of its own.
    void writeData(quint8 value) override;
    quint8 readStatus() override { return std::atomic_ref(handpadStatus_).load(); }
    void setHandpadStatus(quint8 status) { std::atomic_ref(handpadStatus_).store(status); }

    // Truth.
    const BenchConfig& config() const { return config_; }
    double knifeEdge() const;
    double knifePlane() const;
    const RigMotor& knifeMotor() const { return knife_; }
    const RigMotor& platformMotor() const { return platform_; }
    // The knife plane at which rays from pupil radius r (inches) cross the axis.
    double trueNull(double r) const { return optics_.trueNull(r); }
    // The mirror's centre on the last frame (before the first: where the first will be).
    QPointF imageCenter() const { return lastCenter_; }
    // Left and right window columns of a zone at `fraction` of the semi-diameter on the last
    // frame: the image centre -/+ radius * fraction, rounded halves to even.
    std::pair<int, int> zoneWindowColumns(double fraction) const;

  private:
    void followConicDrift();

    BenchConfig config_;
    FoucaultOptics optics_;
    std::optional<CrossingTable> crossings_;
    std::optional<CrossingMap> crossingMap_;
    std::optional<BenchNoise> noise_; // drawn at the first frame: a port-only bench needs none
    RigMotor knife_;
    RigMotor platform_;
    quint8 handpadStatus_ = 0x00; // idle pad: code 0
    bool connected_ = false;
    QPointF lastCenter_;
    QPointF nextCenter_;
    Clock* pacingClock_ = nullptr;
    std::function<void()> beforeGrab_;
    std::optional<qint64> lastGrabNs_;
    const Clock* driftClock_ = nullptr;
    qint64 driftStartNs_ = 0;
    double startConic_ = 0;
};

} // namespace orvane
