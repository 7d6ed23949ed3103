#include "OpticsExpectations.h"

#include "analysis/Overlay.h"

#include <gtest/gtest.h>

namespace orvane::testkit {

double opticalNull(HeadlessTestRun& run, int zone) {
    const BenchConfig& config = run.bench().config();
    const double inchesPerPixel = config.mirror.diameter / 2 / config.camera.radius;
    const double centre = config.camera.centerX;
    const WindowColumns columns = zoneWindowColumns(run.circle(), run.zones().centerFrac[zone]);
    const double left = (centre - columns.left) * inchesPerPixel;
    const double right = (columns.right - centre) * inchesPerPixel;
    return (run.bench().trueNull(left) + run.bench().trueNull(right)) / 2;
}

double opticalReading(HeadlessTestRun& run, int zone) {
    return opticalNull(run, zone) - opticalNull(run, 1);
}

void expectReadings(const HeadlessTestRun& run, int sets,
                    const std::function<double(int zone)>& expected, double margin) {
    for (int set = 0; set < sets; ++set) {
        for (int zone = 1; zone <= run.mirror().NZ; ++zone)
            EXPECT_NEAR(run.readings().at(zone, set), expected(zone), margin)
                << "zone " << zone << " set " << set + 1;
    }
}

} // namespace orvane::testkit
