#include "FakeTestRig.h"

#include <algorithm>

namespace orvane::testkit {

namespace {
int wrapPhase(int phase) {
    return (phase % 8 + 8) % 8;
}
int clampIntensity(int v) {
    return std::clamp(v, 0, 255);
}
} // namespace

void FakeTestRig::grabFrame() {
    if (beforeGrab)
        beforeGrab();
    ++grabs;
    clock_.spinNs(frameNs);
}

void FakeTestRig::grabStill() {
    ++stills;
    clock_.spinNs(frameNs);
}

void FakeTestRig::measureZones() {
    averaged.append(framesToAverage_);
    for (int zone = 1; zone < Zones; ++zone) {
        const ZoneLight now = light(zone);
        auto& l = left_[zone];
        auto& r = right_[zone];
        std::copy_backward(l.begin() + 1, l.end() - 1, l.end());
        std::copy_backward(r.begin() + 1, r.end() - 1, r.end());
        l[1] = now.lzv;
        r[1] = now.rzv;
        int sumL = 0;
        int sumR = 0;
        for (int k = 1; k <= framesToAverage_; ++k) {
            sumL += l[k];
            sumR += r[k];
        }
        lzv_[zone] = sumL / framesToAverage_;
        rzv_[zone] = sumR / framesToAverage_;
    }
    if (afterMeasure)
        afterMeasure();
}

void FakeTestRig::stepKnife(int phase) {
    knifePhase = wrapPhase(knifePhase + phase);
    x += phase;
    ++motorWrites;
    knifeSteps.append(phase);
}

void FakeTestRig::stepPlatform(int phase) {
    platformPhase = wrapPhase(platformPhase + phase);
    y -= phase;
    ++motorWrites;
    platformSteps.append(phase);
}

void FakeTestRig::zeroPositions() {
    xOrigin += x;
    yOrigin += y;
    x = 0;
    y = 0;
}

void FakeTestRig::savePictures(const QString& overlayPath, const QString& framePath) {
    pictures << overlayPath << framePath;
    yposAtSave.append(y);
}

ZoneLight OpticalModel::at(int zone, const FakeTestRig& rig) const {
    const int difference = nullY.at(zone) - rig.physicalY();
    const int cut = knifeGain * rig.physicalX();
    const int level = brightness + (knifeRight ? cut : -cut);
    const int knifeSide = clampIntensity(level + difference / 2);
    const int otherSide = clampIntensity(level - difference / 2);
    return knifeRight ? ZoneLight{knifeSide, otherSide} : ZoneLight{otherSide, knifeSide};
}

} // namespace orvane::testkit
