#pragma once

#include <QList>
#include <optional>

namespace orvane {

// The balance (knife-side value less the other) measured over some frames at one platform
// position, in half-steps.
struct BalancePoint {
    double position = 0;
    int frames = 0;
    double sum = 0;        // of the frames' balances
    double sumSquares = 0; // of the frames' balances

    void add(double balance) {
        ++frames;
        sum += balance;
        sumSquares += balance * balance;
    }
    double mean() const { return frames > 0 ? sum / frames : 0.0; }
};

// Where a straight line through the points crosses zero balance, and its standard error.
struct NullEstimate {
    double position = 0;
    double error = 0;
    double slope = 0; // balance per half-step
};

// The least-squares line through `points`, each weighted by its frames. The noise is what the
// frames scatter about their points' means, or what the points scatter about the line when that
// is more (the balance is not quite straight). Nothing for fewer than two positions, a flat
// line, or no noise estimate at all.
std::optional<NullEstimate> fitNull(const QList<BalancePoint>& points);

} // namespace orvane
