#pragma once

#include <QString>
#include <QStringList>
#include <map>

namespace orvane {

// Which hardware the program drives, kept apart from the settings file so that file keeps its
// fixed line layout. Lives beside the settings file in the program folder.
inline const QString HardwareConfigFileName = QStringLiteral("orvane-hardware.ini");

namespace hardwarekeys {
inline const QString PortBackend = QStringLiteral("port/backend");
inline const QString PortDevice = QStringLiteral("port/device");
inline const QString PortBaud = QStringLiteral("port/baud");
inline const QString BenchFile = QStringLiteral("bench/file");
} // namespace hardwarekeys

enum class PortBackend { Bench, Ppdev, Serial };

inline const QString BenchBackendName = QStringLiteral("bench");
inline const QString PpdevBackendName = QStringLiteral("ppdev");
inline const QString SerialBackendName = QStringLiteral("serial");
inline const QString DefaultPortDevice = QStringLiteral("/dev/parport0");
inline const QString DefaultSerialDevice = QStringLiteral("/dev/ttyACM0");
// The serial device that is the motor board's simulator on a pseudo-terminal, driving the bench.
inline const QString SimulatedSerialDevice = QStringLiteral("simulated");
constexpr int DefaultBaud = 115200;
constexpr int SlowestBaud = 1200;
constexpr int FastestBaud = 2000000;

struct HardwareConfig {
    PortBackend portBackend = PortBackend::Bench; // the simulated bench, a printer port, a board
    QString portDevice = DefaultPortDevice;       // the ppdev or serial device node, or "simulated"
    int portBaud = DefaultBaud;                   // of a serial motor board
    QString benchFile{}; // the simulated bench's INI (relative: in the program folder); empty for
                         // the built-in one
    // The camera values chosen in the source dialog: by camera id, then by control name.
    std::map<QString, std::map<QString, double>> cameraControls{};

    bool operator==(const HardwareConfig&) const = default;
    // The motor board's simulator moves the bench's motors over a pseudo-terminal.
    bool simulatedBoard() const {
        return portBackend == PortBackend::Serial && portDevice == SimulatedSerialDevice;
    }
};

// What loading found: the values to use, and a sentence per problem for the operator.
struct HardwareConfigLoad {
    HardwareConfig config;
    QStringList warnings;
};

QString hardwareConfigPath(const QString& programFolder);

// A missing file gives the defaults silently; an unreadable file or a bad value gives the
// default for what it spoils, with a warning.
HardwareConfigLoad loadHardwareConfig(const QString& programFolder);

// False when the file could not be written.
bool saveHardwareConfig(const QString& programFolder, const HardwareConfig& config);

} // namespace orvane
