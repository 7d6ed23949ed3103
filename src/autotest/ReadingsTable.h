#pragma once

#include "core/AppState.h"

#include <QString>

namespace orvane {

// The Text2 table: one line per zone with a tab before each set's reading, a blank line, then
// whatever was shown before the test.
QString readingsTableText(const ZoneReadings& readings, int zones, int lastSet,
                          const QString& previousText);

} // namespace orvane
