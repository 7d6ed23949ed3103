#include "reduction/NaturalSpline.h"

#include <algorithm>

namespace orvane {

NaturalSpline::NaturalSpline(std::vector<double> x, std::vector<double> y)
    : x_(std::move(x)), y_(std::move(y)), curvature_(x_.size(), 0.0) {
    const size_t n = x_.size();
    if (n < 3)
        return;
    // The tridiagonal system for the inner curvatures, solved by forward elimination.
    std::vector<double> diagonal(n, 0.0);
    std::vector<double> rhs(n, 0.0);
    for (size_t i = 1; i + 1 < n; ++i) {
        const double left = x_[i] - x_[i - 1];
        const double right = x_[i + 1] - x_[i];
        diagonal[i] = 2 * (left + right);
        rhs[i] = 6 * ((y_[i + 1] - y_[i]) / right - (y_[i] - y_[i - 1]) / left);
        if (i > 1) {
            const double factor = left / diagonal[i - 1];
            diagonal[i] -= factor * left;
            rhs[i] -= factor * rhs[i - 1];
        }
    }
    for (size_t i = n - 2; i >= 1; --i)
        curvature_[i] = (rhs[i] - (x_[i + 1] - x_[i]) * curvature_[i + 1]) / diagonal[i];
}

double NaturalSpline::operator()(double x) const {
    const size_t n = x_.size();
    const size_t upper = std::clamp<size_t>(
        size_t(std::upper_bound(x_.begin(), x_.end(), x) - x_.begin()), 1, n - 1);
    const size_t i = upper - 1;
    const double h = x_[upper] - x_[i];
    const double slopeHere =
        (y_[upper] - y_[i]) / h - h * (2 * curvature_[i] + curvature_[upper]) / 6;
    if (x <= x_[i] && i == 0)
        return y_[0] + slopeHere * (x - x_[0]);
    const double slopeEnd =
        (y_[upper] - y_[i]) / h + h * (curvature_[i] + 2 * curvature_[upper]) / 6;
    if (x >= x_[upper] && upper == n - 1)
        return y_[upper] + slopeEnd * (x - x_[upper]);
    const double a = (x_[upper] - x) / h;
    const double b = 1 - a;
    return a * y_[i] + b * y_[upper] +
           ((a * a * a - a) * curvature_[i] + (b * b * b - b) * curvature_[upper]) * h * h / 6;
}

} // namespace orvane
