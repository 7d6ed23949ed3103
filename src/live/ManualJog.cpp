#include "live/ManualJog.h"

#include "core/Clock.h"
#include "core/EventPump.h"
#include "core/NumberText.h"
#include "core/Settings.h"
#include "live/JogDrive.h"
#include "live/KeyState.h"
#include "live/SpeedGauge.h"

#include <QImage>
#include <algorithm>
#include <cmath>

namespace orvane {

namespace {
constexpr qint64 NsPerCount = 1000; // one wait count is a microsecond
constexpr int IdleReleasePasses = 50;
constexpr double IdleCoast = 0.85;
constexpr double IdleCoastPin11 = 0.6;
constexpr double BurstTravel = 0.001; // inches

// Codes 1..4 and 11..14 name a direction: 1 up (platform towards the mirror), 2 down,
// 3 left, 4 right.
int direction(int code) {
    return code % 10;
}
bool isPlatform(int code) {
    return direction(code) <= 2;
}
int phaseStep(int code) {
    return direction(code) == 1 || direction(code) == 4 ? +1 : -1;
}

JogKey keyOf(int code) {
    switch (direction(code)) {
    case 1:
        return JogKey::I;
    case 2:
        return JogKey::M;
    case 3:
        return JogKey::J;
    default:
        return JogKey::K;
    }
}

int rounded(double v) {
    return static_cast<int>(roundToInt(v));
}
} // namespace

ManualJog::ManualJog(const Settings& settings, JogDrive& drive, KeyState& keys, Clock& clock,
                     EventPump& pump)
    : settings_(settings), drive_(drive), keys_(keys), clock_(clock), pump_(pump) {}

void ManualJog::begin() {
    jogDelay_ = maxdelay();
    idlePasses_ = 0;
    code_ = 0;
    inRun_ = false;
}

bool ManualJog::jog() {
    if (inRun_)
        return !continuousRunStep();
    code_ = readCode();
    act();
    return !inRun_;
}

int ManualJog::readCode() {
    int code = drive_.readHandpad();
    // Each key overrides the one before, so M wins over I, I over J, J over K.
    const std::pair<JogKey, int> order[] = {
        {JogKey::K, 14}, {JogKey::J, 13}, {JogKey::I, 11}, {JogKey::M, 12}};
    for (const auto& [key, keyCode] : order) {
        if (keys_.wasPressed(key))
            code = keyCode;
    }
    return code;
}

void ManualJog::act() {
    switch (code_) {
    case 0:
        idle(IdleCoast);
        break;
    case 10:
        idle(IdleCoastPin11);
        break;
    case 1:
    case 2:
    case 3:
    case 4:
    case 11:
    case 12:
    case 13:
    case 14:
        startMotion();
        stepOnce();
        if (jogDelay_ > 1) {
            jogDelay_ = rounded(jogDelay_ - std::pow(jogDelay_, accelExponent()));
            if (jogDelay_ == 0)
                jogDelay_ = 1;
        } else if (code_ < 10) {
            burst();
        } else {
            enterContinuousRun();
        }
        break;
    case 5:
    case 15:
        drive_.zeroPositions();
        break;
    default:
        break;
    }
}

void ManualJog::idle(double exponent) {
    if (jogDelay_ != 0 && jogDelay_ < maxdelay()) {
        speedPercent_ = percentOf(jogDelay_);
        jogDelay_ = rounded(jogDelay_ + std::pow(jogDelay_, exponent));
    } else {
        jogDelay_ = 0;
    }
    if (idlePasses_ < IdleReleasePasses)
        ++idlePasses_;
    else
        drive_.releaseMotors();
}

void ManualJog::startMotion() {
    if (jogDelay_ != 0)
        return;
    jogDelay_ = maxdelay();
    idlePasses_ = 0;
    drive_.writeMotorOutput();
}

void ManualJog::stepOnce() {
    if (isPlatform(code_))
        drive_.stepPlatform(phaseStep(code_));
    else
        drive_.stepKnife(phaseStep(code_));
}

void ManualJog::burst() {
    // 0.01 inch of platform, 0.001 inch of knife; the knife uses the platform's step size too.
    const bool platform = isPlatform(code_);
    const double stepSize = settings_.StepSize;
    const int steps = stepSize > 0 ? rounded(BurstTravel / stepSize * (platform ? 10 : 1)) : 0;
    const int waitFactor = platform ? 1 : 3;
    for (int n = 0; n < steps; ++n) {
        stepOnce();
        waitCounts(qint64(waitFactor) * settings_.Mindelay);
    }
}

void ManualJog::enterContinuousRun() {
    jogDelay_ = -maxdelay();
    inRun_ = true;
    continuousRunStep();
}

bool ManualJog::codeStillHeld() {
    const bool keyDown = keys_.wasPressed(keyOf(code_));
    const bool padHeld = drive_.readHandpad() == code_;
    return keyDown || padHeld;
}

bool ManualJog::continuousRunStep() {
    if (!codeStillHeld()) {
        jogDelay_ = 1;
        inRun_ = false;
        return false;
    }
    stepOnce();
    qint64 count = 0;
    if (jogDelay_ < 1) {
        jogDelay_ = rounded(std::pow(std::abs(jogDelay_), accelExponent()) + jogDelay_);
        count = jogDelay_;
    }
    pump_.processEvents();
    waitCounts(settings_.Mindelay - count);
    return true;
}

void ManualJog::showSpeed(QImage& speedGauge) {
    if ((1 < jogDelay_ && jogDelay_ < maxdelay()) || (0 < speedPercent_ && speedPercent_ < 100)) {
        speedPercent_ = percentOf(jogDelay_);
        waitCounts(qint64(settings_.Mindelay) + jogDelay_);
        drawSpeedGauge(speedGauge, speedPercent_);
        if (speedPercent_ > 99 && code_ > 10)
            drawVideoOffNotice(speedGauge);
    } else if (jogDelay_ == 1 && code_ > 10) {
        speedPercent_ = 100;
        drawVideoOffNotice(speedGauge);
    } else {
        speedPercent_ = 0;
    }
}

void ManualJog::waitCounts(qint64 counts) {
    // Nothing can move a slider during a wait (no events run), so one read of the bound serves
    // every count.
    if (counts > 0)
        clock_.spinNs(counts * NsPerCount);
}

// The slider's minimum is 1; a settings file holding less must not divide by zero.
int ManualJog::maxdelay() const {
    return std::max(1, settings_.Maxdelay);
}

int ManualJog::percentOf(int jogDelay) const {
    return rounded(100 - double(jogDelay) / maxdelay() * 100);
}

double ManualJog::accelExponent() const {
    return (10 - settings_.sldAcell) * 0.1;
}

} // namespace orvane
