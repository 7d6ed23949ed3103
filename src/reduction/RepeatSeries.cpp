#include "reduction/RepeatSeries.h"

#include "core/NumberText.h"
#include "reduction/BestFitConic.h"

#include <QStringList>

namespace orvane {

RepeatedTest repeatedTest(int testNumber, double minutes, const ReadingsInput& input) {
    RepeatedTest test{testNumber, minutes, input.radii, {}, std::nullopt};
    const size_t zones = input.radii.size();
    test.readings.assign(zones, 0.0);
    for (const std::vector<double>& set : input.sets)
        for (size_t zone = 0; zone < zones && zone < set.size(); ++zone)
            test.readings[zone] += set[zone] / double(input.sets.size());
    if (refusalOf(input).isEmpty())
        test.conic = bestFitConic(input.radii, test.readings, input.mirror.roc, input.source);
    return test;
}

QString repeatSeriesText(const std::vector<RepeatedTest>& tests) {
    QString text;
    for (const RepeatedTest& test : tests) {
        QStringList cells{QStringLiteral("Test %1").arg(test.testNumber),
                          QStringLiteral("%1 min").arg(numberText(roundHalfEven(test.minutes, 1)))};
        for (double reading : test.readings)
            cells << QString::number(reading, 'f', 4);
        cells << (test.conic ? QStringLiteral("conic %1").arg(test.conic.value(), 0, 'f', 4)
                             : QStringLiteral("no conic"));
        text += cells.join(QStringLiteral("  ")) + QLatin1Char('\n');
    }
    return text;
}

} // namespace orvane
