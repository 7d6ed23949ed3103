#include "reduction/ReductionJson.h"

#include "reduction/ReadingsFile.h"

#include <QJsonArray>
#include <algorithm>
#include <cmath>

namespace orvane {

namespace {
QJsonValue finite(double value) {
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonArray list(const std::vector<double>& values, double scale = 1) {
    QJsonArray array;
    for (double v : values)
        array.append(finite(v * scale));
    return array;
}

QJsonObject limitsJson(const Limits& limits) {
    return {{QStringLiteral("low"), finite(limits.low)},
            {QStringLiteral("high"), finite(limits.high)}};
}

QJsonObject zonalJson(const ZonalTable& t, double nanometres) {
    QJsonArray zones;
    for (const ZonalZone& z : t.zones)
        zones.append(
            QJsonObject{{QStringLiteral("radius"), z.radius},
                        {QStringLiteral("lambda_c"), z.lambdaC},
                        {QStringLiteral("ta"), z.ta},
                        {QStringLiteral("ta_over_rho"), z.taOverRho},
                        {QStringLiteral("within_millies_lacroix"), z.withinMilliesLacroix()}});
    QJsonObject zonal{{QStringLiteral("c"), t.c},
                      {QStringLiteral("rho"), t.rho},
                      {QStringLiteral("zones"), zones},
                      {QStringLiteral("passes_millies_lacroix"), t.passesMilliesLacroix()}};
    if (const auto& w = t.edges) {
        zonal.insert(QStringLiteral("edges"), list(w->edges));
        zonal.insert(QStringLiteral("wavefront_at_edges_nm"), list(w->wavefront, nanometres));
        zonal.insert(QStringLiteral("deviation_at_edges_nm"), list(w->deviation, nanometres));
        zonal.insert(QStringLiteral("reference_parabola_nm"),
                     QJsonObject{{QStringLiteral("a"), w->parabolaA * nanometres},
                                 {QStringLiteral("c"), w->parabolaC * nanometres}});
        zonal.insert(QStringLiteral("one_over_n"), finite(w->oneOverN));
        zonal.insert(QStringLiteral("at_radius"), w->worstEdge);
    }
    return zonal;
}

QJsonObject profileJson(const SurfaceProfile& p) {
    const double waves = p.wavelengthNm;
    return {{QStringLiteral("surface_rms_nm"), p.surfaceRmsNm},
            {QStringLiteral("surface_pv_nm"), p.surfacePvNm},
            {QStringLiteral("surface_rms_waves"), p.surfaceRmsNm / waves},
            {QStringLiteral("surface_pv_waves"), p.surfacePvNm / waves},
            {QStringLiteral("wavefront_rms_nm"), 2 * p.surfaceRmsNm},
            {QStringLiteral("wavefront_pv_nm"), 2 * p.surfacePvNm},
            {QStringLiteral("wavefront_rms_waves"), p.wavefrontRmsWaves()},
            {QStringLiteral("wavefront_pv_waves"), p.wavefrontPvWaves()},
            {QStringLiteral("strehl"), p.strehl()},
            {QStringLiteral("best_fit_conic"), finite(p.bestFitConic)}};
}

QJsonObject setJson(const SetReduction& set, double nanometres) {
    return {{QStringLiteral("readings"), list(set.readings)},
            {QStringLiteral("zonal"), zonalJson(set.zonal, nanometres)},
            {QStringLiteral("profile"), profileJson(set.profile)}};
}

QJsonObject uncertaintyJson(const ReductionUncertainty& u) {
    QJsonObject json{{QStringLiteral("draws"), u.draws},
                     {QStringLiteral("reading_sd"), list(u.zoneSd)},
                     {QStringLiteral("surface_rms_nm"), limitsJson(u.surfaceRmsNm)},
                     {QStringLiteral("strehl"), limitsJson(u.strehl)}};
    if (u.oneOverN)
        json.insert(QStringLiteral("one_over_n"), limitsJson(*u.oneOverN));
    return json;
}
} // namespace

QJsonObject reductionJson(const Reduction& r) {
    const double nanometres = r.setup.nanometres;
    QJsonArray sets;
    for (const SetReduction& set : r.sets)
        sets.append(setJson(set, nanometres));
    QJsonObject json = readingsJson(r.input);
    json.remove(QStringLiteral("readings"));
    json.insert(QStringLiteral("zone_radii"), list(r.setup.radii));
    json.insert(QStringLiteral("radius_convention"), r.setup.convention
                                                         ? radiusConventionName(*r.setup.convention)
                                                         : QStringLiteral("given"));
    json.insert(QStringLiteral("zonal"), zonalJson(r.mean.zonal, nanometres));
    json.insert(QStringLiteral("profile"), profileJson(r.mean.profile));
    json.insert(QStringLiteral("mean_readings"), list(r.mean.readings));
    json.insert(QStringLiteral("sets"), sets);
    if (!r.spreadSd.empty()) {
        Limits rms{r.sets.front().profile.surfaceRmsNm, r.sets.front().profile.surfaceRmsNm};
        for (const SetReduction& set : r.sets) {
            rms.low = std::min(rms.low, set.profile.surfaceRmsNm);
            rms.high = std::max(rms.high, set.profile.surfaceRmsNm);
        }
        json.insert(QStringLiteral("spread"),
                    QJsonObject{{QStringLiteral("reading_sd"), list(r.spreadSd)},
                                {QStringLiteral("surface_rms_nm"), limitsJson(rms)}});
    }
    if (r.uncertainty.draws > 0)
        json.insert(QStringLiteral("uncertainty"), uncertaintyJson(r.uncertainty));
    json.insert(QStringLiteral("notes"), QJsonArray::fromStringList(r.notes));
    return json;
}

} // namespace orvane
