#pragma once

#include "reduction/ReadingsInput.h"

namespace orvane::testkit {

// A 16 in f/4.5 reduced by hand on a published sheet: one fixed-source set, wavelength 21.6 uin.
inline ReadingsInput sixteenInch() {
    ReadingsInput input;
    input.mirror = {QStringLiteral("M16"), 16, 0, 144, -1, MirrorUnits::Inches};
    input.edges = {2.00, 3.55, 4.60, 5.45, 6.19, 6.85, 7.45, 8.00};
    input.sets = {{0.089, 0.111, 0.172, 0.199, 0.250, 0.374, 0.482}};
    input.wavelengthNm = 21.6 * 25.4;
    return input;
}

} // namespace orvane::testkit
