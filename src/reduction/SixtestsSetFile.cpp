#include "reduction/SixtestsSetFile.h"

#include <QRegularExpression>

namespace orvane {

namespace {
const QString TestNumberMark = QStringLiteral(" Test Number ");
const QString ZonesEnd = QStringLiteral("*");
constexpr int FirstZoneLine = 5;

// The leading numbers of a line; fewer than `count` leave the result short.
std::vector<double> leadingNumbers(const QString& line, int count) {
    std::vector<double> numbers;
    const QStringList words =
        line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        if (int(numbers.size()) == count)
            break;
        bool ok = false;
        const double value = word.toDouble(&ok);
        if (!ok)
            break;
        numbers.push_back(value);
    }
    return numbers;
}
} // namespace

ReadingsFileResult readingsFromSixtests(const QString& text) {
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r?\n")));
    const auto refused = [](const QString& why) {
        return ReadingsFileResult{std::nullopt,
                                  QStringLiteral("This is not a sixtests set file: %1.").arg(why)};
    };
    if (lines.size() < FirstZoneLine || lines[2].trimmed() != QStringLiteral("Foucault"))
        return refused(QStringLiteral("its third line is not \"Foucault\""));
    ReadingsInput input;
    input.mirror.name = lines[0].section(TestNumberMark, 0, 0);
    input.mirror.units = MirrorUnits::Millimetres;
    const auto diameters = leadingNumbers(lines[1], 2);
    const auto source = leadingNumbers(lines[3], 1);
    if (diameters.size() < 2 || source.empty())
        return refused(QStringLiteral("the mirror and source lines have no numbers"));
    input.mirror.diameter = diameters[0];
    input.mirror.obstruction = diameters[1];
    input.source = source[0] == 0 ? TesterSource::Moving : TesterSource::Fixed;

    int line = FirstZoneLine;
    std::vector<double> readings;
    for (; line < lines.size() && lines[line].trimmed() != ZonesEnd; ++line) {
        const auto zone = leadingNumbers(lines[line], 2);
        if (zone.size() < 2)
            return refused(
                QStringLiteral("line %1 is not a zone's radius and reading").arg(line + 1));
        input.radii.push_back(zone[0]);
        readings.push_back(zone[1]);
    }
    const auto conic = leadingNumbers(lines.value(line + 1), 2);
    const auto deviation = leadingNumbers(lines.value(line + 2), 1);
    if (conic.size() < 2 || deviation.empty())
        return refused(QStringLiteral("the conic target and deviation lines after \"*\" are "
                                      "missing"));
    input.mirror.conic = conic[0];
    input.mirror.roc = conic[1];
    input.readingSd = deviation[0];
    input.sets = {readings};
    return {input, QString()};
}

} // namespace orvane
