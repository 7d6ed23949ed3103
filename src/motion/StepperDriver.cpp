#include "motion/StepperDriver.h"

#include "core/LogCategories.h"
#include "motion/PhaseTable.h"

namespace orvane {

namespace {
constexpr qint64 NsPerCount = 1000;

int wrapPhase(int phase) {
    return (phase % PhaseTable::Phases + PhaseTable::Phases) % PhaseTable::Phases;
}
} // namespace

StepperDriver::StepperDriver(MotorPort& port, const PlatformMenus& menus, Clock& clock,
                             std::function<int()> mindelay)
    : port_(port), menus_(menus), clock_(clock), mindelay_(std::move(mindelay)) {}

void StepperDriver::writeMotorOutput() {
    const int swap = menus_.swapMotors ? 1 : 0;
    const qint32 lr =
        PhaseTable::entry(PhaseTable::index(lrPhase_, menus_.invert, menus_.lrSwap, swap));
    const qint32 tf =
        PhaseTable::entry(PhaseTable::index(tfPhase_, menus_.invert, menus_.tfSwap, 1 - swap));
    port_.writeData(quint8((lr + tf) & 0xFF));
}

void StepperDriver::stepKnife(int d) {
    lrPhase_ = wrapPhase(lrPhase_ + d);
    xpos_ += d;
    writeMotorOutput();
    qCDebug(lcMotion, "knife %+d half-step, Xpos %d", d, xpos_);
}

void StepperDriver::stepPlatform(int d) {
    tfPhase_ = wrapPhase(tfPhase_ + d);
    ypos_ -= d;
    writeMotorOutput();
    qCDebug(lcMotion, "platform %+d half-step %s the mirror, Ypos %d", d,
            d > 0 ? "towards" : "away from", ypos_);
}

void StepperDriver::releaseMotors() {
    port_.writeData(menus_.invert ? 0xFF : 0x00);
}

void StepperDriver::stepWait(int factor) {
    countedWait(0, [&] { return qint64(factor) * mindelay_(); });
}

void StepperDriver::countedWait(qint64 start, const std::function<qint64()>& bound) {
    for (qint64 i = start; i < bound(); ++i)
        clock_.spinNs(NsPerCount);
}

int StepperDriver::readHandpad() {
    return decodeHandpad(port_.readStatus());
}

int decodeHandpad(int status) {
    const bool pin11 = status & 0x80;
    const bool pin10 = status & 0x40;
    const bool pin12 = status & 0x20;
    const bool pin13 = status & 0x10;
    int code = 0;
    if (!pin10 && !pin12 && pin13)
        code = 1;
    else if (!pin10 && pin12 && pin13)
        code = 4;
    else if (pin10 && !pin12 && pin13)
        code = 5;
    else if (!pin10 && pin12 && !pin13)
        code = 2;
    else if (pin10 && pin12 && !pin13)
        code = 6;
    else if (pin10 && !pin12 && !pin13)
        code = 3;
    return pin11 ? code + 10 : code;
}

} // namespace orvane
