#pragma once

#include "reduction/ReadingsFile.h"

namespace orvane {

// A sixtests set file as the program exports it: millimetres, one mean set, the zone radii
// (no edges), the source distance (0 for a moving source) and the measurement deviation.
ReadingsFileResult readingsFromSixtests(const QString& text);

} // namespace orvane
