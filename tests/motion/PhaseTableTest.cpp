#include "motion/PhaseTable.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {
constexpr int Slot0 = 0;
constexpr int Slot1 = 1;

int bitCount(int v) {
    return __builtin_popcount(unsigned(v));
}
} // namespace

TEST(PhaseTable, NormalSequenceAlternatesOneAndTwoAdjacentCoils) {
    const int expected[8] = {0x01, 0x03, 0x02, 0x06, 0x04, 0x0C, 0x08, 0x09};
    for (int phase = 0; phase < 8; ++phase) {
        const int low = PhaseTable::pattern(phase, false, false, Slot0);
        EXPECT_EQ(low, expected[phase]) << "phase " << phase;
        EXPECT_EQ(bitCount(low), phase % 2 == 0 ? 1 : 2);
        EXPECT_EQ(PhaseTable::pattern(phase, false, false, Slot1), expected[phase] << 4);
        // Neighbouring phases always share an energised coil, so the rotor moves a half-step.
        const int next = PhaseTable::pattern((phase + 1) % 8, false, false, Slot0);
        EXPECT_NE(low & next, 0) << "phase " << phase;
    }
}

TEST(PhaseTable, InvertedAndReversedTablesFollowFromTheNormalOne) {
    for (int slot : {Slot0, Slot1}) {
        const int nibble = slot == Slot0 ? 0x0F : 0xF0;
        for (int phase = 0; phase < 8; ++phase) {
            const int normal = PhaseTable::pattern(phase, false, false, slot);
            const int backwards = PhaseTable::pattern((8 - phase) % 8, false, false, slot);
            EXPECT_EQ(PhaseTable::pattern(phase, true, false, slot), nibble - normal);
            EXPECT_EQ(PhaseTable::pattern(phase, false, true, slot), backwards);
            EXPECT_EQ(PhaseTable::pattern(phase, true, true, slot), nibble - backwards);
        }
    }
}

TEST(PhaseTable, IndexPutsInvertReverseAndSlotOnTheirOwnBits) {
    EXPECT_EQ(PhaseTable::index(7, true, false, Slot1), 47);
    EXPECT_EQ(PhaseTable::entry(47), 0x60);
    EXPECT_EQ(PhaseTable::index(3, false, true, Slot0), 19);
    EXPECT_EQ(PhaseTable::entry(19), 0x0C);
    EXPECT_EQ(PhaseTable::index(0, true, true, Slot1), 56);
    EXPECT_EQ(PhaseTable::entry(56), 0xE0);
    EXPECT_EQ(PhaseTable::entry(PhaseTable::Size - 1), 0xC0);
}
