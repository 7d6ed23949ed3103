#pragma once

#include <QtGlobal>
#include <array>

namespace orvane {

// Coil patterns of the half-step sequence for both nibbles of the data register, in every
// polarity and direction. Index = phase + 8 * invert + 16 * reverse + 32 * slot; slot 0 drives
// D0..D3, slot 1 D4..D7. Only the low 8 bits of an entry are meaningful.
class PhaseTable {
  public:
    static constexpr int Size = 64;
    static constexpr int Phases = 8;

    static constexpr int index(int phase, bool invert, bool reverse, int slot) {
        return phase + 8 * int(invert) + 16 * int(reverse) + 32 * slot;
    }
    static constexpr qint32 entry(int index) { return Entries[index]; }
    static constexpr quint8 pattern(int phase, bool invert, bool reverse, int slot) {
        return quint8(Entries[index(phase, invert, reverse, slot)] & 0xFF);
    }

  private:
    static constexpr std::array<qint32, Size> Entries = {
        0x01, 0x03, 0x02, 0x06, 0x04, 0x0C, 0x08, 0x09, // slot 0, normal
        0x0E, 0x0C, 0x0D, 0x09, 0x0B, 0x03, 0x07, 0x06, // slot 0, inverted
        0x01, 0x09, 0x08, 0x0C, 0x04, 0x06, 0x02, 0x03, // slot 0, reversed
        0x0E, 0x06, 0x07, 0x03, 0x0B, 0x09, 0x0D, 0x0C, // slot 0, inverted and reversed
        0x10, 0x30, 0x20, 0x60, 0x40, 0xC0, 0x80, 0x90, // slot 1, normal
        0xE0, 0xC0, 0xD0, 0x90, 0xB0, 0x30, 0x70, 0x60, // slot 1, inverted
        0x10, 0x90, 0x80, 0xC0, 0x40, 0x60, 0x20, 0x30, // slot 1, reversed
        0xE0, 0x60, 0x70, 0x30, 0xB0, 0x90, 0xD0, 0xC0, // slot 1, inverted and reversed
    };
};

} // namespace orvane
