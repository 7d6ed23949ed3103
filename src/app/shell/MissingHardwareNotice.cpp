#include "app/shell/MissingHardwareNotice.h"

#include "core/HardwareConfig.h"

#include <QFileInfo>

namespace orvane {

namespace {

QStringList probed(const std::function<QStringList()>& probe) {
    return probe ? probe() : QStringList();
}

// "a camera (Name)" or "cameras (A, B)"; empty when none was found.
QString foundText(const QStringList& found, const QString& one, const QString& many) {
    if (found.isEmpty())
        return {};
    return QStringLiteral("%1 (%2)").arg(found.size() == 1 ? one : many,
                                         found.join(QStringLiteral(", ")));
}

QString usedText(const SimulatedBenchUse& use) {
    QString text = QStringLiteral("so the %1 is used").arg(simulatedBenchText(use));
    if (use.motors && use.camera)
        return text + QStringLiteral(" for the motors and the picture.");
    return text +
           (use.motors ? QStringLiteral(" for the motors.") : QStringLiteral(" for the picture."));
}

QString hardwareFileHint(const QString& path, const QStringList& ports) {
    const QString device = ports.isEmpty() ? DefaultPortDevice : ports.first();
    return QStringLiteral("To drive the motors through the printer port, write the hardware file "
                          "%1:\n[port]\nbackend=%2\ndevice=%3")
        .arg(path, PpdevBackendName, device);
}

} // namespace

std::optional<Message> missingHardwareNotice(const QString& programFolder,
                                             const SimulatedBenchUse& use,
                                             const DeviceProbes& probes) {
    const QString path = hardwareConfigPath(programFolder);
    if (QFileInfo::exists(path) || !use.active())
        return std::nullopt;
    const QStringList ports = probed(probes.printerPorts);
    const QStringList cameras = probed(probes.cameras);
    QStringList found{
        foundText(ports, QStringLiteral("a printer port"), QStringLiteral("printer ports")),
        foundText(cameras, QStringLiteral("a camera"), QStringLiteral("cameras"))};
    found.removeAll(QString());
    if (found.isEmpty())
        return std::nullopt;

    QStringList paragraphs{QStringLiteral("This machine has %1, but there is no hardware file, ")
                               .arg(found.join(QStringLiteral(" and "))) +
                           usedText(use) +
                           QStringLiteral(" Nothing is measured on a real mirror.")};
    if (use.motors)
        paragraphs << hardwareFileHint(path, ports);
    if (use.camera && !cameras.isEmpty())
        paragraphs << QStringLiteral("To use the camera, choose it under Video Control > Select.");
    return Message{QStringLiteral("Simulated Bench"), paragraphs.join(QStringLiteral("\n\n")),
                   MessageIcon::Information};
}

} // namespace orvane
