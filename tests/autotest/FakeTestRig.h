#pragma once

#include "autotest/TestRig.h"

#include <QList>
#include <QStringList>
#include <array>
#include <functional>

namespace orvane::testkit {

struct ZoneLight {
    int lzv = 0;
    int rzv = 0;
};

// A rig in virtual time: step counters as the stepper driver keeps them, a physical position
// that zeroing does not move, and window intensities from a model averaged over the last
// FramesToAverage frames the way the zone measurement does it.
class FakeTestRig : public TestRig {
  public:
    explicit FakeTestRig(VirtualClock& clock) : clock_(clock) {}

    // Instant intensities of a zone for the rig's present state.
    std::function<ZoneLight(int zone)> light = [](int) { return ZoneLight{50, 50}; };
    std::function<void()> beforeGrab;   // e.g. to place the platform
    std::function<void()> afterMeasure; // e.g. to click "Abort Action"
    qint64 frameNs = 40'000'000;

    int physicalX() const { return x + xOrigin; }
    int physicalY() const { return y + yOrigin; }

    int x = 0; // Xpos
    int y = 0; // Ypos
    int xOrigin = 0;
    int yOrigin = 0;
    int knifePhase = 0;
    int platformPhase = 0;

    int grabs = 0;
    int stills = 0;
    int motorWrites = 0;
    int releases = 0;
    int timingRestarts = 0;
    QList<int> averaged; // FramesToAverage at each measurement
    QList<int> waits;    // StepWait factors in order
    QList<int> knifeSteps;
    QList<int> platformSteps;
    QStringList pictures; // overlay and frame path of every save
    QList<int> yposAtSave;

    void grabFrame() override;
    void grabStill() override;
    void setFramesToAverage(int frames) override { framesToAverage_ = frames; }
    void measureZones() override;
    int lzv(int zone) const override { return lzv_.at(zone); }
    int rzv(int zone) const override { return rzv_.at(zone); }
    void restartFrameTiming() override { ++timingRestarts; }

    void writeMotorOutput() override { ++motorWrites; }
    void stepKnife(int phase) override;
    void stepPlatform(int phase) override;
    void stepWait(int factor) override { waits.append(factor); }
    void releaseMotors() override { ++releases; }
    int xpos() const override { return x; }
    int ypos() const override { return y; }
    void zeroPositions() override;
    void savePictures(const QString& overlayPath, const QString& framePath) override;

    int measurements() const { return static_cast<int>(averaged.size()); }

  private:
    static constexpr int Depth = 30;
    static constexpr int Zones = MaxZones + 1;

    VirtualClock& clock_;
    int framesToAverage_ = 10;
    std::array<std::array<int, Depth + 1>, Zones> left_{};
    std::array<std::array<int, Depth + 1>, Zones> right_{};
    std::array<int, Zones> lzv_{};
    std::array<int, Zones> rzv_{};
};

// A Foucault tester in numbers: each zone's left-right difference grows with the distance of
// the platform from the zone's null, and the knife dims the whole zone as it cuts in.
struct OpticalModel {
    std::array<int, MaxZones + 1> nullY{}; // physical platform position of each zone's null
    int brightness = 55;                   // at physical knife position 0
    int knifeGain = 3;                     // intensity per knife half-step
    bool knifeRight = true;

    ZoneLight at(int zone, const FakeTestRig& rig) const;
};

} // namespace orvane::testkit
