#pragma once

#include "reduction/ReadingsInput.h"

#include <QJsonObject>
#include <optional>

namespace orvane {

struct ReadingsFileResult {
    std::optional<ReadingsInput> input;
    QString error; // why nothing could be read
};

// A readings file: the JSON readings form (a test record is one), or a sixtests set file, told
// apart by the extension ".set". The input is read as written, not yet checked by refusalOf().
ReadingsFileResult readReadingsFile(const QString& path);

// The JSON readings form: "mirror", "source", "zones" ("edges" and/or "radii"), "readings" (a
// list of sets) and an optional "wavelength_nm".
ReadingsFileResult readingsFromJson(const QByteArray& json);
QJsonObject readingsJson(const ReadingsInput& input);

} // namespace orvane
