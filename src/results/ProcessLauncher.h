#pragma once

#include <QString>

namespace orvane {

// Starts an outside program without arguments and without waiting for it.
class ProcessLauncher {
  public:
    virtual ~ProcessLauncher() = default;
    // `program` is the full path; `folder` becomes its working folder. False when it could not
    // be started (the launcher has said why).
    virtual bool start(const QString& program, const QString& folder) = 0;
};

} // namespace orvane
