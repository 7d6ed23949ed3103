#pragma once

#include <vector>

namespace orvane {

// The natural cubic spline through points of increasing x, continued as straight lines beyond
// the first and last (where its curvature is zero, so it stays smooth). Two points give a line.
class NaturalSpline {
  public:
    NaturalSpline(std::vector<double> x, std::vector<double> y);
    double operator()(double x) const;

  private:
    std::vector<double> x_;
    std::vector<double> y_;
    std::vector<double> curvature_; // second derivative at each point
};

} // namespace orvane
