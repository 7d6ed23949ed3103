#pragma once

#include "bench/CrossingTable.h"

#include <QPointF>
#include <QSize>
#include <vector>

namespace orvane {

// The knife-plane crossing, in inches from the axis, of every pixel of the mirror's image for one
// knife plane and one image centre. The live view's frames mostly share both, so a frame then
// only adds the knife and the noise.
class CrossingMap {
  public:
    CrossingMap(const CrossingTable& crossings, QPointF center, double radius, QSize frame);

    // Exactly: QPointF's == is a fuzzy comparison.
    bool fits(double plane, QPointF center) const {
        return plane == plane_ && center.x() == center_.x() && center.y() == center_.y();
    }

    // Row `y`'s chord across the mirror's image, pixels [first, end), and their crossings.
    struct Row {
        int first;
        int end;
        const float* crossings;
    };
    Row row(int y) const {
        const Chord& chord = chords_[std::size_t(y)];
        return {chord.first, chord.end, crossings_.data() + chord.start};
    }

  private:
    struct Chord {
        int first;
        int end;
        std::size_t start; // of the row's crossings in crossings_
    };

    double plane_;
    QPointF center_;
    std::vector<Chord> chords_;
    std::vector<float> crossings_;
};

} // namespace orvane
