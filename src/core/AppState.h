#pragma once

#include <QString>
#include <array>

namespace orvane {

// The loaded mirror record, in the record's own unit.
struct MirrorData {
    QString WorkFile{};
    double MirDiam = 0;
    double Obst = 0;
    double Roc = 0;
    double CC = 0;
    int NZ = 0;
    int WorkNum = 0;
};

inline constexpr int MaxZones = 16;
inline constexpr int MaxSets = 4;
// Test numbers stay below this, so a record read from a file never nears the integer limit.
inline constexpr int TestNumberLimit = 1'000'000;

// Fractions of the semi-diameter, zones 1..NZ (slot 0 unused).
struct ZoneTable {
    std::array<double, MaxZones + 1> innerFrac{};
    std::array<double, MaxZones + 1> outerFrac{};
    std::array<double, MaxZones + 1> centerFrac{};
};

// The mirror circle on the 320 x 240 picture, in pixels (the sliders MirX, MirY, MirRad).
struct MirrorCircle {
    int x = 160;
    int y = 120;
    int radius = 125;
};

// The test's result table: zone 0..16 by set 0..3, stored at zone + 17 * set.
class ZoneReadings {
  public:
    double& at(int zone, int set) { return values_[zone + (MaxZones + 1) * set]; }
    double at(int zone, int set) const { return values_[zone + (MaxZones + 1) * set]; }
    void clear() { values_.fill(0.0); }

  private:
    std::array<double, (MaxZones + 1) * MaxSets> values_{};
};

} // namespace orvane
