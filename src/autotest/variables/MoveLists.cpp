#include "autotest/variables/MoveLists.h"

#include "autotest/variables/DerivedMoves.h"
#include "core/NumberText.h"
#include "core/Settings.h"

#include <algorithm>
#include <limits>

namespace orvane {

namespace {
constexpr double KnifeUnitTravel = 0.00003125;
constexpr double PlatformUnitTravel = 0.001;
constexpr int KnifeTextDecimals = 6;
constexpr int PlatformTextDecimals = 4;

int clampedIndex(qint64 index, int count) {
    return static_cast<int>(std::clamp<qint64>(index, 0, count - 1));
}

int clampedToInt(qint64 value) {
    return static_cast<int>(std::min<qint64>(value, std::numeric_limits<int>::max()));
}

// Half-steps per platform entry are rounded to a whole number; a coarse platform step would
// make that 0, which no stored move can be divided by.
int platformEntryDivisor(int platformUnit) {
    return std::max<int>(1, static_cast<int>(roundToInt(platformUnit * 0.5)));
}
} // namespace

MoveListUnits moveListUnits(const Settings& settings) {
    return {std::max(1, halfStepsFor(KnifeUnitTravel, settings.LRStepSize)),
            std::max(1, halfStepsFor(PlatformUnitTravel, settings.StepSize))};
}

QList<ListEntry> deltaEntries() {
    QList<ListEntry> entries;
    for (int n = 0; n < DeltaEntryCount; ++n)
        entries.append({numberText(n), n});
    return entries;
}

QList<ListEntry> knifeMoveEntries(const Settings& settings, int knifeUnit) {
    const double scale = settings.Metric ? MillimetresPerInch : 1.0;
    QList<ListEntry> entries;
    for (int n = 1; n <= MoveEntryCount; ++n) {
        const qint64 halfSteps = qint64(n) * knifeUnit;
        const double length =
            roundHalfEven(halfSteps * settings.LRStepSize * scale, KnifeTextDecimals);
        entries.append({numberText(length) + settings.units(), clampedToInt(halfSteps)});
    }
    return entries;
}

QList<ListEntry> platformMoveEntries(const Settings& settings, int platformUnit) {
    QList<ListEntry> entries;
    for (int n = 1; n <= MoveEntryCount; ++n) {
        const double halfSteps = n * platformUnit * 0.5;
        const double length = roundHalfEven(halfSteps * settings.StepSize, PlatformTextDecimals);
        entries.append({numberText(length), clampedToInt(roundToInt(halfSteps))});
    }
    return entries;
}

int deltaIndex(int delta) {
    return clampedIndex(delta, DeltaEntryCount);
}

int knifeMoveIndex(int move, int knifeUnit) {
    return clampedIndex(divTrunc(move, knifeUnit) - 1, MoveEntryCount);
}

int platformMoveIndex(int move, int platformUnit) {
    return clampedIndex(divTrunc(move, platformEntryDivisor(platformUnit)) - 1, MoveEntryCount);
}

} // namespace orvane
