#include "bench/SimulatedBench.h"

#include "bench/BenchFrame.h"
#include "core/NumberText.h"

namespace orvane {

namespace {
constexpr int BenchDriver = 0;
}

SimulatedBench::SimulatedBench(const BenchConfig& config)
    : config_(config), optics_(config), knife_(config.motors.reverseLr, config.motors.backlash),
      platform_(config.motors.reverseTf, config.motors.backlash),
      lastCenter_(config.camera.centerX, config.camera.centerY), nextCenter_(lastCenter_) {}

std::optional<QString> SimulatedBench::driverName(int index) const {
    if (index != BenchDriver)
        return std::nullopt;
    return DriverName;
}

bool SimulatedBench::connectDriver(int index) {
    connected_ = index == BenchDriver;
    return connected_;
}

std::optional<DriverCaps> SimulatedBench::capabilities() const {
    if (!connected_)
        return std::nullopt;
    return DriverCaps{BenchDriver, false, false, false, false};
}

bool SimulatedBench::grab(QImage& frame) {
    if (!connected_)
        return false;
    if (beforeGrab_)
        beforeGrab_();
    if (pacingClock_ && config_.camera.fps > 0) {
        const auto period = qint64(1e9 / config_.camera.fps);
        const qint64 wait = lastGrabNs_ ? *lastGrabNs_ + period - pacingClock_->nowNs() : 0;
        if (wait > 0)
            pacingClock_->spinNs(wait);
        lastGrabNs_ = pacingClock_->nowNs();
    }
    followConicDrift();
    const double plane = knifePlane();
    const double inchesPerPixel = config_.mirror.diameter / 2 / config_.camera.radius;
    if (!crossings_ || crossings_->plane() != plane)
        crossings_.emplace(optics_, plane, config_.camera.radius, inchesPerPixel);
    const BenchConfig::Camera& camera = config_.camera;
    if (!crossingMap_ || !crossingMap_->fits(plane, nextCenter_))
        crossingMap_.emplace(*crossings_, nextCenter_, camera.radius,
                             QSize(camera.width, camera.height));
    if (!noise_)
        noise_.emplace(camera.seed, float(camera.background), float(camera.noise));
    const KnifeRamp knife = KnifeRamp::of(config_.knifeSide, knifeEdge(), config_.source.slitWidth);
    renderBenchFrame(frame, *crossingMap_, knife, camera, *noise_);
    lastCenter_ = nextCenter_;
    nextCenter_ += QPointF(config_.camera.driftX, config_.camera.driftY);
    return true;
}

void SimulatedBench::setDriftClock(const Clock& clock) {
    driftClock_ = &clock;
    driftStartNs_ = clock.nowNs();
    startConic_ = config_.mirror.conic;
}

// A mirror cooling after polishing changes its figure; the optics follow its conic frame by
// frame, and so does the truth told to tests.
void SimulatedBench::followConicDrift() {
    if (!driftClock_ || config_.mirror.conicDrift == 0)
        return;
    constexpr double NsPerMinute = 60e9;
    const double minutes = double(driftClock_->nowNs() - driftStartNs_) / NsPerMinute;
    const double conic = startConic_ + config_.mirror.conicDrift * minutes;
    BenchConfig next = config_;
    next.mirror.conic = conic;
    // A conic drifted past any surface at the mirror's edge stays at the last one there was.
    if (conic == config_.mirror.conic || !benchConfigProblem(next).isEmpty())
        return;
    config_ = next;
    optics_ = FoucaultOptics(config_);
    crossings_.reset();
}

void SimulatedBench::writeData(quint8 value) {
    const int energised = config_.motors.invert ? ~value & 0xFF : value;
    const int low = energised & 0x0F;
    const int high = energised >> 4;
    knife_.drive(config_.motors.swap ? high : low);
    platform_.drive(config_.motors.swap ? low : high);
}

double SimulatedBench::knifeEdge() const {
    return config_.start.knifeOffset + double(knife_.travel()) * config_.motors.lrStep;
}

// A platform half-step forward (phase +1) brings the knife plane towards the mirror.
double SimulatedBench::knifePlane() const {
    return config_.start.platformOffset - double(platform_.travel()) * config_.motors.tfStep;
}

std::pair<int, int> SimulatedBench::zoneWindowColumns(double fraction) const {
    const double offset = config_.camera.radius * fraction;
    return {int(roundToInt(lastCenter_.x() - offset)), int(roundToInt(lastCenter_.x() + offset))};
}

} // namespace orvane
