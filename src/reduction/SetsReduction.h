#pragma once

#include "reduction/SurfaceProfile.h"
#include "reduction/ZonalReduction.h"

#include <QStringList>
#include <optional>
#include <vector>

namespace orvane {

struct SetReduction {
    std::vector<double> readings;
    ZonalTable zonal;
    SurfaceProfile profile;
};

struct Limits {
    double low = 0;
    double high = 0;
};

// 80% limits from reductions of readings drawn about the mean set.
struct ReductionUncertainty {
    int draws = 0;
    std::vector<double> zoneSd; // spread of each zone's drawn mean reading
    Limits surfaceRmsNm;
    Limits strehl;
    std::optional<Limits> oneOverN; // only with the zone edges known
};

struct Reduction {
    ReadingsInput input;
    ReductionSetup setup;
    std::vector<SetReduction> sets;
    SetReduction mean;            // of the sets, each first shifted to their common mean
    std::vector<double> spreadSd; // each zone's deviation between the shifted sets; one set: none
    ReductionUncertainty uncertainty;
    QStringList notes;
};

struct ReductionOptions {
    std::optional<RadiusConvention> convention; // none: the input's radii, else Couder
    int draws = 500;
    unsigned long long seed = 20040817; // fixed, so a reduction always gives the same limits
};

// Reduces every set, their mean and its uncertainty. `input` must have no refusalOf().
Reduction reduceReadings(const ReadingsInput& input, const ReductionOptions& options = {});

} // namespace orvane
