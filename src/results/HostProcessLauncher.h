#pragma once

#include "core/MessageBoxes.h"
#include "results/ProcessLauncher.h"

#include <QStringList>

namespace orvane {

// How a program is started on this host: directly, or a Windows program through wine.
struct LaunchPlan {
    QString program;
    QStringList arguments;
    QString problem; // set when it cannot be started; names what is missing
};

// `winePath` is where wine was found on PATH, empty when it was not.
LaunchPlan planLaunch(const QString& program, bool hostIsWindows, const QString& winePath);

// Starts programs detached from this one; problems are told through `boxes`.
class HostProcessLauncher : public ProcessLauncher {
  public:
    explicit HostProcessLauncher(MessageBoxes& boxes);
    bool start(const QString& program, const QString& folder) override;

  private:
    MessageBoxes& boxes_;
};

} // namespace orvane
