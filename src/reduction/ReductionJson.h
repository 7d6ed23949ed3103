#pragma once

#include "reduction/SetsReduction.h"

#include <QJsonObject>

namespace orvane {

// The reduction as one JSON object: "zonal", "profile", "sets", "uncertainty" and what they
// rest on. Heights in nm, lengths in the mirror's unit; a value without a finite number is null.
QJsonObject reductionJson(const Reduction& reduction);

} // namespace orvane
