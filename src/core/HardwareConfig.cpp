#include "core/HardwareConfig.h"

#include "core/NumberText.h"
#include "core/ProgramFolder.h"
#include "core/SafeSave.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cmath>

namespace orvane {

namespace {

QString backendName(PortBackend backend) {
    switch (backend) {
    case PortBackend::Ppdev:
        return PpdevBackendName;
    case PortBackend::Serial:
        return SerialBackendName;
    case PortBackend::Bench:
        break;
    }
    return BenchBackendName;
}

QString unreadableFileWarning(const QString& path) {
    return QStringLiteral("The hardware file \"%1\" could not be read; the simulated bench is "
                          "used.")
        .arg(path);
}

// Where a key of the file stands, for warnings: "key is "value" in "file" (line N)".
QString keyInFile(const QSettings& file, const QStringList& lines, const QString& key,
                  const QString& value) {
    return QStringLiteral("%1 is \"%2\" in \"%3\" (line %4)")
        .arg(key, value, file.fileName())
        .arg(iniKeyLine(lines, key));
}

void readBackend(const QSettings& file, const QStringList& lines, HardwareConfigLoad& load) {
    if (!file.contains(hardwarekeys::PortBackend))
        return;
    const QString value = file.value(hardwarekeys::PortBackend).toString().trimmed();
    if (value.compare(PpdevBackendName, Qt::CaseInsensitive) == 0)
        load.config.portBackend = PortBackend::Ppdev;
    else if (value.compare(SerialBackendName, Qt::CaseInsensitive) == 0)
        load.config.portBackend = PortBackend::Serial;
    else if (value.compare(BenchBackendName, Qt::CaseInsensitive) != 0)
        load.warnings << keyInFile(file, lines, hardwarekeys::PortBackend, value) +
                             QStringLiteral("; it must be \"%1\", \"%2\" or \"%3\". The "
                                            "simulated bench is used.")
                                 .arg(BenchBackendName, PpdevBackendName, SerialBackendName);
}

// A device node is an absolute path; anything else would be looked for in the working folder.
// A serial board may be the simulated one.
void readDevice(const QSettings& file, const QStringList& lines, HardwareConfigLoad& load) {
    const bool serial = load.config.portBackend == PortBackend::Serial;
    const QString fallback = serial ? DefaultSerialDevice : DefaultPortDevice;
    load.config.portDevice = fallback;
    if (!file.contains(hardwarekeys::PortDevice))
        return;
    const QString value = file.value(hardwarekeys::PortDevice).toString().trimmed();
    if (serial && value.compare(SimulatedSerialDevice, Qt::CaseInsensitive) == 0)
        load.config.portDevice = SimulatedSerialDevice;
    else if (QDir::isAbsolutePath(value))
        load.config.portDevice = value;
    else
        load.warnings << keyInFile(file, lines, hardwarekeys::PortDevice, value) +
                             QStringLiteral("; it must be a device such as \"%1\", which is used.")
                                 .arg(fallback);
}

void readBaud(const QSettings& file, const QStringList& lines, HardwareConfigLoad& load) {
    if (!file.contains(hardwarekeys::PortBaud))
        return;
    const QString value = file.value(hardwarekeys::PortBaud).toString().trimmed();
    bool ok = false;
    const int baud = value.toInt(&ok);
    if (ok && baud >= SlowestBaud && baud <= FastestBaud)
        load.config.portBaud = baud;
    else
        load.warnings << keyInFile(file, lines, hardwarekeys::PortBaud, value) +
                             QStringLiteral("; it must be a whole number from %1 to %2, so %3 is "
                                            "used.")
                                 .arg(SlowestBaud)
                                 .arg(FastestBaud)
                                 .arg(DefaultBaud);
}

// Camera ids hold slashes and colons, so the file keeps them as hex: [camera_<hex id>].
const QString CameraGroupPrefix = QStringLiteral("camera_");

// A camera value is a finite number within what any camera control takes, so no conversion of
// it to the camera's float or integer overflows; the camera clamps it to its own range.
constexpr double LargestCameraValue = 1e6;

void readCameraControls(QSettings& file, const QStringList& lines, HardwareConfigLoad& load) {
    for (const QString& group : file.childGroups()) {
        if (!group.startsWith(CameraGroupPrefix))
            continue;
        const QString id =
            QString::fromUtf8(QByteArray::fromHex(group.mid(CameraGroupPrefix.size()).toLatin1()));
        file.beginGroup(group);
        for (const QString& key : file.childKeys()) {
            const QString text = file.value(key).toString();
            const std::optional<double> value = parseNumber(text);
            if (value && std::abs(*value) <= LargestCameraValue)
                load.config.cameraControls[id][key] = *value;
            else
                load.warnings << keyInFile(file, lines, group + QLatin1Char('/') + key, text) +
                                     QStringLiteral("; it is no number from -%1 to %1, so the "
                                                    "camera keeps its own value.")
                                         .arg(numberText(LargestCameraValue));
        }
        file.endGroup();
    }
}

void writeCameraControls(QSettings& file, const HardwareConfig& config) {
    for (const auto& [id, controls] : config.cameraControls) {
        file.beginGroup(CameraGroupPrefix + QString::fromLatin1(id.toUtf8().toHex()));
        for (const auto& [key, value] : controls)
            file.setValue(key, value);
        file.endGroup();
    }
}

} // namespace

QString hardwareConfigPath(const QString& programFolder) {
    return findPathIgnoringCase(joinPath(programFolder, {HardwareConfigFileName}));
}

HardwareConfigLoad loadHardwareConfig(const QString& programFolder) {
    HardwareConfigLoad load;
    const QString path = hardwareConfigPath(programFolder);
    QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError) {
        load.warnings << unreadableFileWarning(path);
        return load;
    }
    const QStringList lines = readTextLines(path).value_or(QStringList());
    readBackend(file, lines, load);
    readDevice(file, lines, load);
    readBaud(file, lines, load);
    // A relative bench file sits in the program folder, wherever the program was started from.
    const QString bench = file.value(hardwarekeys::BenchFile).toString().trimmed();
    load.config.benchFile = bench.isEmpty() || QDir::isAbsolutePath(bench)
                                ? bench
                                : findPathIgnoringCase(joinPath(programFolder, {bench}));
    readCameraControls(file, lines, load);
    return load;
}

bool saveHardwareConfig(const QString& programFolder, const HardwareConfig& config) {
    // QSettings writes the text into a scratch file; the save path puts it in place.
    const QTemporaryDir scratch;
    const QString draft = scratch.filePath(HardwareConfigFileName);
    {
        QSettings file(draft, QSettings::IniFormat);
        file.setValue(hardwarekeys::PortBackend, backendName(config.portBackend));
        file.setValue(hardwarekeys::PortDevice, config.portDevice);
        file.setValue(hardwarekeys::PortBaud, config.portBaud);
        file.setValue(hardwarekeys::BenchFile, config.benchFile);
        writeCameraControls(file, config);
        file.sync();
        if (!scratch.isValid() || file.status() != QSettings::NoError)
            return false;
    }
    QFile written(draft);
    return written.open(QIODevice::ReadOnly) &&
           saveFileSafely(hardwareConfigPath(programFolder), written.readAll());
}

} // namespace orvane
