#include "reduction/ReductionText.h"

#include <cmath>

namespace orvane {

namespace {
QString fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

QString row(const QStringList& cells, int width) {
    QString line;
    for (const QString& cell : cells)
        line += cell.leftJustified(width);
    return line.trimmed() + QLatin1Char('\n');
}

QString profileLine(const SurfaceProfile& p) {
    return QStringLiteral("surface RMS %1 nm, P-V %2 nm; wavefront RMS %3 wave, P-V %4 wave; "
                          "Strehl %5; best-fit conic %6")
        .arg(fixed(p.surfaceRmsNm, 1), fixed(p.surfacePvNm, 1), fixed(p.wavefrontRmsWaves(), 3),
             fixed(p.wavefrontPvWaves(), 3), fixed(p.strehl(), 3), fixed(p.bestFitConic, 3));
}

QString zonalTableText(const Reduction& r) {
    const ZonalTable& t = r.mean.zonal;
    const QString unit = unitName(r.input.mirror.units);
    QString text =
        QStringLiteral("Zonal table (fixed-source terms; C = %1 %2, Airy radius %3 %2)\n")
            .arg(fixed(t.c, 4), unit, fixed(t.rho, 6));
    text += row({QStringLiteral("Zone"), QStringLiteral("Radius"), QStringLiteral("Lambda_c"),
                 QStringLiteral("TA x1e5"), QStringLiteral("TA/rho"),
                 QStringLiteral("Millies-Lacroix")},
                10);
    for (size_t i = 0; i < t.zones.size(); ++i) {
        const ZonalZone& z = t.zones[i];
        text += row({QString::number(i + 1), fixed(z.radius, 3), fixed(z.lambdaC, 4),
                     fixed(z.ta * 1e5, 2), fixed(z.taOverRho, 2),
                     z.withinMilliesLacroix() ? QStringLiteral("pass") : QStringLiteral("fail")},
                    10);
    }
    if (!t.edges)
        return text;
    const EdgeWavefront& w = *t.edges;
    const double nm = r.setup.nanometres;
    text += QLatin1Char('\n') + row({QStringLiteral("Edge"), QStringLiteral("Wavefront nm"),
                                     QStringLiteral("Deviation nm")},
                                    14);
    for (size_t k = 0; k < w.edges.size(); ++k)
        text += row(
            {fixed(w.edges[k], 3), fixed(w.wavefront[k] * nm, 1), fixed(w.deviation[k] * nm, 1)},
            14);
    text += QStringLiteral("Reference parabola: %1 nm/%2^2 x h^2 %3 %4 nm\n")
                .arg(fixed(w.parabolaA * nm, 4), unit,
                     w.parabolaC < 0 ? QStringLiteral("-") : QStringLiteral("+"),
                     fixed(std::abs(w.parabolaC) * nm, 2));
    return text;
}

QString limitsText(const Limits& l, int decimals) {
    return QStringLiteral("%1 to %2").arg(fixed(l.low, decimals), fixed(l.high, decimals));
}
} // namespace

QString oneOverNText(double oneOverN) {
    if (!std::isfinite(oneOverN))
        return QStringLiteral("no deviation at the zone edges");
    return QStringLiteral("1/%1 wave").arg(fixed(oneOverN, 1));
}

QStringList verdictLines(const Reduction& r) {
    const SurfaceProfile& p = r.mean.profile;
    const ZonalTable& t = r.mean.zonal;
    QStringList lines;
    if (t.edges)
        lines << QStringLiteral("%1, at the edge %2 %3")
                     .arg(oneOverNText(t.edges->oneOverN), fixed(t.edges->worstEdge, 2),
                          unitName(r.input.mirror.units));
    lines << QStringLiteral("Surface RMS %1 nm (wavefront %2 wave), P-V %3 nm; Strehl %4")
                 .arg(fixed(p.surfaceRmsNm, 1), fixed(p.wavefrontRmsWaves(), 3),
                      fixed(p.surfacePvNm, 1), fixed(p.strehl(), 3));
    lines << QStringLiteral("Best-fit conic %1 (target %2)")
                 .arg(fixed(p.bestFitConic, 3), QString::number(r.input.mirror.conic));
    QStringList failing;
    for (size_t i = 0; i < t.zones.size(); ++i) {
        if (!t.zones[i].withinMilliesLacroix())
            failing << QString::number(i + 1);
    }
    lines << (failing.isEmpty()
                  ? QStringLiteral("Millies-Lacroix: pass in every zone")
                  : QStringLiteral("Millies-Lacroix: fail in zone %1").arg(failing.join(", ")));
    return lines;
}

QString reductionText(const Reduction& r) {
    const ReductionMirror& m = r.input.mirror;
    const QString unit = unitName(m.units);
    QString text =
        QStringLiteral("Mirror %1: diameter %2 %3, obstruction %4 %3, ROC %5 %3, target conic %6, "
                       "%7 source\n")
            .arg(m.name, QString::number(m.diameter), unit, QString::number(m.obstruction),
                 QString::number(m.roc), QString::number(m.conic),
                 r.input.source == TesterSource::Moving ? QStringLiteral("moving")
                                                        : QStringLiteral("fixed"));
    text += QStringLiteral("%1 zones, radii %2; %3 set(s); wavelength %4 nm\n\n")
                .arg(r.setup.radii.size())
                .arg(r.setup.convention ? QStringLiteral("by the %1 convention")
                                              .arg(radiusConventionName(*r.setup.convention))
                                        : QStringLiteral("as given"))
                .arg(r.sets.size())
                .arg(r.input.wavelengthNm);
    text += zonalTableText(r) + QLatin1Char('\n');
    text += verdictLines(r).join(QLatin1Char('\n')) + QStringLiteral("\n\n");
    text += QStringLiteral("Mean of the sets: %1\n").arg(profileLine(r.mean.profile));
    for (size_t s = 0; s < r.sets.size(); ++s)
        text += QStringLiteral("Set %1: %2\n").arg(s + 1).arg(profileLine(r.sets[s].profile));
    const ReductionUncertainty& u = r.uncertainty;
    if (u.draws > 0) {
        text += QStringLiteral("80% limits from %1 draws: surface RMS %2 nm, Strehl %3")
                    .arg(u.draws)
                    .arg(limitsText(u.surfaceRmsNm, 1), limitsText(u.strehl, 3));
        if (u.oneOverN)
            text += QStringLiteral(", N %1").arg(limitsText(*u.oneOverN, 1));
        text += QLatin1Char('\n');
    }
    for (const QString& note : r.notes)
        text += QStringLiteral("Note: %1\n").arg(note);
    return text;
}

} // namespace orvane
