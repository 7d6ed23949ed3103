// A bench file: any bytes as an INI file. A bench the program accepts moves its motors and
// renders its picture without a fault.
#include "FuzzInput.h"
#include "bench/BenchConfig.h"
#include "bench/SimulatedBench.h"

#include <QImage>

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::startQt();
    const QString path =
        fuzz::writeInput(fuzz::scratchFolder(), QStringLiteral("bench.ini"), data, size);
    QString error;
    const std::optional<BenchConfig> config = loadBenchConfig(path, &error);
    if (!config) {
        fuzz::require(!error.isEmpty());
        return 0;
    }
    SimulatedBench bench(*config);
    fuzz::require(bench.connectDriver(0));
    // A few half-steps of both motors through their coil patterns, then a picture.
    for (const quint8 coils : {0x11, 0x33, 0x22, 0x66, 0x44, 0xCC, 0x88, 0x99})
        bench.writeData(coils);
    QImage picture;
    fuzz::require(bench.grab(picture) && picture.width() == config->camera.width &&
                  picture.height() == config->camera.height);
    bench.zoneWindowColumns(0.5);
    return 0;
}
