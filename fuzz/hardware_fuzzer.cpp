// The hardware file: any bytes as orvane-hardware.ini. Whatever it holds, the program gets a
// port backend, a device to use and camera values a camera can be given.
#include "FuzzInput.h"
#include "core/HardwareConfig.h"

#include <cmath>

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::startQt();
    const QString folder = fuzz::scratchFolder() + QStringLiteral("/program");
    fuzz::writeInput(folder, HardwareConfigFileName, data, size);
    const HardwareConfigLoad load = loadHardwareConfig(folder);
    fuzz::require(QDir::isAbsolutePath(load.config.portDevice) || load.config.simulatedBoard());
    fuzz::require(load.config.portBaud >= SlowestBaud && load.config.portBaud <= FastestBaud);
    for (const auto& [camera, controls] : load.config.cameraControls) {
        for (const auto& [control, value] : controls)
            fuzz::require(std::abs(value) <= 1e6);
    }
    return 0;
}
