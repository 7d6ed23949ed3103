#include "reduction/TestRecord.h"

#include "reduction/ReadingsFile.h"

namespace orvane {

QJsonObject testRecordJson(const ReadingsInput& input, const TestRecordRun& run) {
    const QJsonObject device =
        run.simulatedBench
            ? QJsonObject{{QStringLiteral("kind"), QStringLiteral("simulated bench")},
                          {QStringLiteral("bench_file"), run.benchFile}}
            : QJsonObject{{QStringLiteral("kind"), QStringLiteral("rig")},
                          {QStringLiteral("port"), run.port},
                          {QStringLiteral("camera"), run.camera}};
    QJsonObject record = readingsJson(input);
    record.insert(QStringLiteral("test"),
                  QJsonObject{{QStringLiteral("number"), run.testNumber},
                              {QStringLiteral("time"), run.time.toString(Qt::ISODate)},
                              {QStringLiteral("program_version"), run.programVersion},
                              {QStringLiteral("device"), device}});
    return record;
}

} // namespace orvane
