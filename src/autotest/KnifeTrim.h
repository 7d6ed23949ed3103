#pragma once

#include "autotest/SearchStep.h"
#include "core/Settings.h"

namespace orvane {

// Keeps the knife-side zone value between Max and Min by cutting the knife into or out of the
// beam. Once it has gone one way, the way back only takes small moves until the platform moves
// (clear()).
class KnifeTrim {
  public:
    static constexpr int KnifeWait = 2;

    void clear() {
        cutIn_ = false;
        cutOut_ = false;
    }
    // Appends the moves `k` calls for to `step`; true when the knife moved.
    bool adjust(int k, bool knifeRight, const AutoTestVariables& vars, SearchStep& step);

    bool cutIn() const { return cutIn_; }
    bool cutOut() const { return cutOut_; }

  private:
    bool cutIn_ = false;
    bool cutOut_ = false;
};

} // namespace orvane
