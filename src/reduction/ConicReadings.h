#pragma once

#include "reduction/ReadingsInput.h"

namespace orvane {

// A conic mirror of vertex radius `roc` and conic constant `conic`, as the knife sees it.
struct Conic {
    double roc = 0;
    double conic = -1;

    // Height of the surface above its vertex at radius y, towards the centre of curvature.
    double sag(double y) const;
    // False where the conic has no surface (an ellipse past its rim).
    bool reaches(double y) const;
    // The exact knife reading at radius y relative to the paraxial centre of curvature: for a
    // moving source the axis crossing of the normal, for a fixed source at the centre of
    // curvature the axis crossing of the reflected ray.
    double reading(double y, TesterSource source) const;
    // The classic hand reduction's value, -K y^2/R in fixed-source units.
    double paraxialFixedReading(double y) const;
};

// Readings of a moving source count double in fixed-source units.
double fixedSourceFactor(TesterSource source);

} // namespace orvane
