#include "results/HostProcessLauncher.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>

namespace orvane {

namespace {
const QString LaunchTitle = QStringLiteral("Cannot Start Program!");
}

LaunchPlan planLaunch(const QString& program, bool hostIsWindows, const QString& winePath) {
    const QFileInfo info(program);
    if (!info.isFile())
        return {
            {}, {}, QStringLiteral("%1 was not found in %2.").arg(info.fileName(), info.path())};
    const bool windowsProgram = info.suffix().compare("exe", Qt::CaseInsensitive) == 0;
    if (!windowsProgram || hostIsWindows)
        return {program, {}, {}};
    if (winePath.isEmpty())
        return {{},
                {},
                QStringLiteral("%1 is a Windows program. Starting it needs wine, which was not "
                               "found on the PATH; install wine or start it by hand.")
                    .arg(info.fileName())};
    return {winePath, {program}, {}};
}

HostProcessLauncher::HostProcessLauncher(MessageBoxes& boxes) : boxes_(boxes) {}

bool HostProcessLauncher::start(const QString& program, const QString& folder) {
    const bool hostIsWindows = QSysInfo::productType() == QLatin1String("windows");
    const LaunchPlan plan =
        planLaunch(program, hostIsWindows, QStandardPaths::findExecutable(QStringLiteral("wine")));
    QString problem = plan.problem;
    if (problem.isEmpty() && !QProcess::startDetached(plan.program, plan.arguments, folder))
        problem = QStringLiteral("%1 could not be started.").arg(QFileInfo(program).fileName());
    if (problem.isEmpty())
        return true;
    boxes_.show({LaunchTitle, problem, MessageIcon::Critical});
    return false;
}

} // namespace orvane
