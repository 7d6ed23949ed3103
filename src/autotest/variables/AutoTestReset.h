#pragma once

#include "core/Settings.h"

namespace orvane {

// Built-in tuning values with moves derived from the step sizes; the intensity limits Max and
// Min belong to the operator's setup and are kept.
void resetAutoTestVariables(Settings& settings);

} // namespace orvane
