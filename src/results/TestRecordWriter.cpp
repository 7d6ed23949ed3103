#include "results/TestRecordWriter.h"

#include "core/NumberText.h"
#include "core/ProgramFolder.h"
#include "core/SafeSave.h"
#include "reduction/TestReadings.h"
#include "reduction/TestRecord.h"
#include "results/DataPaths.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace orvane {

QString testRecordPath(const QString& textpath, const QString& mirror, int test) {
    return dataFile(textpath, mirror, TextDataFolder,
                    QStringLiteral("test") + numberText(test) + ".json");
}

WriterOutcome writeTestRecord(const ResultsContext& context) {
    const Settings& s = context.settings;
    const MirrorData& mirror = context.mirror;
    WriterOutcome outcome{testRecordPath(s.textpath, mirror.WorkFile, mirror.WorkNum), {}};
    const SimulatedBenchUse& bench = context.simulatedBench;
    TestRecordRun run{.testNumber = mirror.WorkNum,
                      .time = context.savedAt,
                      .programVersion = QCoreApplication::applicationVersion(),
                      .simulatedBench = bench.active(),
                      .benchFile = bench.benchFile,
                      .port = context.motorPort,
                      .camera = context.camera};
    if (context.readingErrors) {
        const int zones = std::clamp(mirror.NZ, 0, MaxZones);
        for (int set = 0; set <= std::clamp(s.Reps, 0, MaxSets - 1); ++set) {
            std::vector<double>& errors = run.standardErrors.emplace_back();
            for (int zone = 1; zone <= zones; ++zone)
                errors.push_back(context.readingErrors->at(zone, set));
        }
    }
    const QJsonObject record =
        testRecordJson(testReadings(mirror, context.zones, context.readings, s.Reps + 1,
                                    s.menus.fixedSource, s.Metric),
                       run);
    ensureFolder(dataFolder(s.textpath, mirror.WorkFile, TextDataFolder));
    saveFileSafely(outcome.path, QJsonDocument(record).toJson(), &outcome.problem);
    return outcome;
}

} // namespace orvane
