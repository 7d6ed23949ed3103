#include "bench/RigMotor.h"

namespace orvane {

namespace {
constexpr int Phases = 8;
constexpr int NoPhase = -1;

// Phase 2k energises coil k alone, phase 2k + 1 coils k and k + 1.
constexpr std::array<int, 16> phaseOfCoils() {
    std::array<int, 16> phases{};
    phases.fill(NoPhase);
    for (int p = 0; p < Phases; ++p) {
        const int k = p / 2;
        const int coils = (1 << k) | (p % 2 ? 1 << ((k + 1) % 4) : 0);
        phases[coils] = p;
    }
    return phases;
}
constexpr std::array<int, 16> PhaseOfCoils = phaseOfCoils();
} // namespace

RigMotor::RigMotor(bool reversedWiring, int backlash)
    : reversed_(reversedWiring), backlash_(backlash), play_(backlash) {}

void RigMotor::drive(int coils) {
    const int decoded = PhaseOfCoils[coils & 0x0F];
    if (decoded == NoPhase) // released, or a pattern the motor cannot hold
        return;
    const int target = reversed_ ? (Phases - decoded) % Phases : decoded;
    const int change = (target - phase_ + Phases) % Phases;
    if (change == 0)
        return;
    phase_ = target;
    if (change == 1)
        step(+1);
    else if (change == Phases - 1)
        step(-1);
    else
        ++missedSteps_;
}

void RigMotor::step(int direction) {
    halfSteps_ += direction;
    const int play = play_ + direction;
    if (play < 0 || play > backlash_)
        travel_ += direction;
    else
        play_ = play;
}

} // namespace orvane
