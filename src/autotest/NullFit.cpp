#include "autotest/NullFit.h"

#include <cmath>

namespace orvane {

std::optional<NullEstimate> fitNull(const QList<BalancePoint>& points) {
    double weights = 0, sumX = 0, sumY = 0;
    double withinSquares = 0;
    int withinDegrees = 0;
    for (const BalancePoint& p : points) {
        weights += p.frames;
        sumX += p.frames * p.position;
        sumY += p.sum;
        withinSquares += p.sumSquares - p.sum * p.mean();
        withinDegrees += p.frames - 1;
    }
    if (points.size() < 2 || weights <= 0)
        return std::nullopt;
    const double meanX = sumX / weights;
    const double meanY = sumY / weights;
    double sxx = 0, sxy = 0;
    for (const BalancePoint& p : points) {
        sxx += p.frames * (p.position - meanX) * (p.position - meanX);
        sxy += p.frames * (p.position - meanX) * (p.mean() - meanY);
    }
    if (sxx <= 0 || sxy == 0)
        return std::nullopt;
    const double slope = sxy / sxx;
    const double zero = meanX - meanY / slope;
    double lackSquares = 0;
    for (const BalancePoint& p : points) {
        const double residual = p.mean() - (meanY + slope * (p.position - meanX));
        lackSquares += p.frames * residual * residual;
    }
    const double within = withinDegrees > 0 ? withinSquares / withinDegrees : 0.0;
    const double lack = points.size() > 2 ? lackSquares / double(points.size() - 2) : 0.0;
    const double variance = std::max(within, lack);
    if (variance <= 0 && withinDegrees == 0)
        return std::nullopt;
    const double error = std::sqrt(variance / (slope * slope) *
                                   (1 / weights + (zero - meanX) * (zero - meanX) / sxx));
    return NullEstimate{zero, error, slope};
}

} // namespace orvane
