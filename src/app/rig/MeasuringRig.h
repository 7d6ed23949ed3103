#pragma once

#include "analysis/ZoneMeasurer.h"
#include "autotest/TestRig.h"
#include "capture/FrameSource.h"
#include "live/LiveDisplays.h"
#include "live/LiveLoop.h"
#include "motion/StepperDriver.h"

namespace orvane {

// The main window's state a measured frame of the test reads and draws.
struct MeasuringState {
    const ZoneTable& zones;
    const MirrorData& mirror;
    const Settings& settings;
    const QString& MotorStatus;
    MirrorCircle& circle;
    const ViewOptions& view;
    LiveDisplays& displays;
};

// When the rig draws what it measured: after every frame, for a window that shows each one, or
// only when the test saves its pictures (a headless run shows none).
enum class RigDrawing { EveryFrame, ForSavedPictures };

// The automated test's rig: the camera, the zone measurement and the stepper driver.
class MeasuringRig : public TestRig {
  public:
    MeasuringRig(FrameSource& camera, StepperDriver& driver, ZoneMeasurer& measurer,
                 MeasuringState state, RigDrawing drawing);

    void grabFrame() override;
    void grabStill() override { grabFrame(); }
    void setFramesToAverage(int frames) override;
    void measureZones() override;
    int lzv(int zone) const override { return measurer_.LZV(zone); }
    int rzv(int zone) const override { return measurer_.RZV(zone); }
    double exactLzv(int zone) const override { return measurer_.exactLeft(zone); }
    double exactRzv(int zone) const override { return measurer_.exactRight(zone); }
    void restartFrameTiming() override;

    void writeMotorOutput() override { driver_.writeMotorOutput(); }
    void stepKnife(int phase) override {
        driver_.stepKnife(phase);
        ++halfSteps_;
    }
    void stepPlatform(int phase) override {
        driver_.stepPlatform(phase);
        ++halfSteps_;
    }
    void stepWait(int factor) override { driver_.stepWait(factor); }
    void releaseMotors() override { driver_.releaseMotors(); }
    int xpos() const override { return driver_.xpos(); }
    int ypos() const override { return driver_.ypos(); }
    void zeroPositions() override;

    void savePictures(const QString& overlayPath, const QString& framePath) override;
    QImage shownPicture() override;

    // The last grabbed frame, without overlay.
    const QImage& frame() const { return frame_; }
    int framesGrabbed() const { return framesGrabbed_; }
    // Half-steps of either motor since the rig was made.
    qint64 halfSteps() const { return halfSteps_; }

  private:
    // Picture1 and the bars as the last measured frame showed them.
    void drawMeasured();

    FrameSource& camera_;
    StepperDriver& driver_;
    ZoneMeasurer& measurer_;
    MeasuringState s_;
    RigDrawing drawing_;
    QImage frame_;
    // What the last measurement found, with the position and status it is shown with.
    FrameMeasurement measured_;
    int measuredYpos_ = 0;
    QString measuredStatus_;
    int framesGrabbed_ = 0;
    qint64 halfSteps_ = 0;
};

} // namespace orvane
