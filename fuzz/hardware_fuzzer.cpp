// The hardware file: any bytes as orvane-hardware.ini. Whatever it holds, the program gets a
// port backend and a device to use.
#include "FuzzInput.h"
#include "core/HardwareConfig.h"

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::startQt();
    const QString folder = fuzz::scratchFolder() + QStringLiteral("/program");
    fuzz::writeInput(folder, HardwareConfigFileName, data, size);
    const HardwareConfigLoad load = loadHardwareConfig(folder);
    fuzz::require(QDir::isAbsolutePath(load.config.portDevice));
    return 0;
}
