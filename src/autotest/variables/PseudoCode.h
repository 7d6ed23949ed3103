#pragma once

#include <QString>

namespace orvane {

// What the knife part of the null search does with the dialog's current choices.
struct KnifeCodeValues {
    int minFrames = 0; // SldLRminFrames
    int max = 0;       // sldMax
    int min = 0;       // sldmin
    int delta = 0;     // cmbLrDelta
    int smallMove = 0; // cmbLrSmMove, half-steps
    int largeMove = 0; // cmbLrLgMove, half-steps
    double lrStepSize = 0;
};

// What the rough platform part of the null search does with the dialog's current choices.
struct PlatformCodeValues {
    int roughFrames = 0;  // SldTFRoughFrames
    int forwardDelta = 0; // cmbTfOblateDelta
    int forwardMove = 0;  // cmbTfOblateMove, half-steps
    int awayDelta = 0;    // CmbTfRoughDelta
    int awayMove = 0;     // CmbTfRoughMove, half-steps
    double stepSize = 0;
};

// Lines end with CR LF; the texts explain the search, they do not drive it.
QString knifePseudoCode(const KnifeCodeValues& v);
QString platformPseudoCode(const PlatformCodeValues& v);

} // namespace orvane
