#include "core/NumberText.h"

#include <cmath>
#include <limits>

namespace orvane {

namespace {
constexpr int SignificantDigits = 15;
constexpr int SmallestPlainExponent = -4; // 0.0001 is written plain, 1E-05 is not
constexpr int LargestPlainExponent = 14;  // 1E+15 and above use the exponent form

QString stripTrailingZeros(QString digits) {
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    return digits;
}
} // namespace

QString numberText(double value) {
    if (value == 0.0 || !std::isfinite(value))
        return value == 0.0 ? QStringLiteral("0") : QString::number(value);
    // "d.dddddddddddddde+XX": 15 significant digits, already correctly rounded.
    const QString sci = QString::number(std::fabs(value), 'e', SignificantDigits - 1);
    const qsizetype ePos = sci.indexOf(QLatin1Char('e'));
    QString digits = sci.left(ePos);
    digits.remove(QLatin1Char('.'));
    int exponent = sci.mid(ePos + 1).toInt();
    digits = stripTrailingZeros(digits);

    QString out = value < 0 ? QStringLiteral("-") : QString();
    if (exponent < SmallestPlainExponent || exponent > LargestPlainExponent) {
        out += digits.left(1);
        if (digits.size() > 1)
            out += QLatin1Char('.') + digits.mid(1);
        out += QLatin1Char('E');
        out += QLatin1Char(exponent < 0 ? '-' : '+');
        out += QString::number(std::abs(exponent)).rightJustified(2, QLatin1Char('0'));
        return out;
    }
    if (exponent < 0) {
        out += QStringLiteral("0.") + QString(-exponent - 1, QLatin1Char('0')) + digits;
    } else if (digits.size() <= exponent + 1) {
        out += digits + QString(exponent + 1 - digits.size(), QLatin1Char('0'));
    } else {
        out += digits.left(exponent + 1) + QLatin1Char('.') + digits.mid(exponent + 1);
    }
    return out;
}

QString numberText(qint64 value) {
    return QString::number(value);
}

std::optional<double> parseNumber(QStringView text) {
    const QString trimmed = text.trimmed().toString();
    if (trimmed.isEmpty())
        return std::nullopt;
    for (QChar c : trimmed) {
        if (!(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-') ||
              c == QLatin1Char('+') || c == QLatin1Char('e') || c == QLatin1Char('E')))
            return std::nullopt;
    }
    bool ok = false;
    const double v = trimmed.toDouble(&ok); // QString::toDouble is locale-independent
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

double roundHalfEven(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    const double floorPart = std::floor(scaled);
    const double fraction = scaled - floorPart;
    // A product like 0.0345 * 1000 lands a hair off .5; treat such values as decimal halves.
    // Capped, so large values are never taken for halves.
    const double tolerance = std::min(1e-9 * std::max(1.0, std::fabs(scaled)), 1e-7);
    double rounded;
    if (std::fabs(fraction - 0.5) <= tolerance)
        rounded = std::fmod(floorPart, 2.0) == 0.0 ? floorPart : floorPart + 1.0;
    else
        rounded = std::round(scaled);
    const double result = rounded / scale;
    return result == 0.0 ? 0.0 : result; // no "-0"
}

qint64 roundToInt(double value) {
    // Beyond 2^63 the conversion is undefined; such values saturate and NaN counts 0.
    constexpr double Limit = 9223372036854775808.0;
    const double rounded = roundHalfEven(value, 0);
    if (std::isnan(rounded))
        return 0;
    if (rounded >= Limit)
        return std::numeric_limits<qint64>::max();
    if (rounded < -Limit)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(rounded);
}

QString boolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<bool> parseBool(QStringView text) {
    const QString t = text.trimmed().toString();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = parseNumber(t))
        return *number != 0.0;
    return std::nullopt;
}

} // namespace orvane
