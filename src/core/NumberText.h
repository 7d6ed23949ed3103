#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace orvane {

// The one number-to-text form of every file and display: up to 15 significant digits, no
// trailing zeros, "." and "-", locale-independent. Magnitudes below 1E-04 or from 1E+15 up are
// written in exponent form ("1.25E-05", "1E+15"); everything between in plain decimals.
QString numberText(double value);
QString numberText(qint64 value);
inline QString numberText(int value) {
    return numberText(static_cast<qint64>(value));
}

// Accepts the plain and the exponent form with an optional sign and surrounding blanks.
std::optional<double> parseNumber(QStringView text);

// Nearest value with halves to even, at `decimals` places (decimal halves, not binary ones).
double roundHalfEven(double value, int decimals);
// Nearest integer with halves to even; saturated beyond the 64-bit range, 0 for NaN.
qint64 roundToInt(double value);
// Integer division truncating toward zero.
constexpr qint64 divTrunc(qint64 a, qint64 b) {
    return a / b;
}

// Booleans are written "True"/"False"; read in any letter case or as numbers (0 is False).
QString boolText(bool value);
std::optional<bool> parseBool(QStringView text);

} // namespace orvane
