#include "reduction/TestRecord.h"

#include "reduction/ReadingsFile.h"

#include <QJsonArray>

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
    QJsonObject test{{QStringLiteral("number"), run.testNumber},
                     {QStringLiteral("time"), run.time.toString(Qt::ISODate)},
                     {QStringLiteral("program_version"), run.programVersion},
                     {QStringLiteral("device"), device}};
    if (!run.standardErrors.empty()) {
        QJsonArray sets;
        for (const std::vector<double>& set : run.standardErrors) {
            QJsonArray errors;
            for (double error : set)
                errors.append(error);
            sets.append(errors);
        }
        test.insert(QStringLiteral("search"), QStringLiteral("precision"));
        test.insert(QStringLiteral("standard_errors"), sets);
    }
    record.insert(QStringLiteral("test"), test);
    return record;
}

} // namespace orvane
