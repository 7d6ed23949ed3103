#include "app/core/NumberText.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

using namespace orvane;

TEST(NumberText, PlainDecimalsWithoutTrailingZeros) {
    EXPECT_EQ(numberText(0.0), "0");
    EXPECT_EQ(numberText(2.5), "2.5");
    EXPECT_EQ(numberText(12.7), "12.7");
    EXPECT_EQ(numberText(-0.125), "-0.125");
    EXPECT_EQ(numberText(6.0), "6");
    EXPECT_EQ(numberText(152.4), "152.4");
    EXPECT_EQ(numberText(0.000125), "0.000125");
    EXPECT_EQ(numberText(0.0001), "0.0001");
    EXPECT_EQ(numberText(0.00009), "9E-05");
    EXPECT_EQ(numberText(100000000000000.0), "100000000000000");
}

TEST(NumberText, FifteenSignificantDigits) {
    EXPECT_EQ(numberText(std::sqrt(3.0)), "1.73205080756888");
    EXPECT_EQ(numberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(numberText(2.0 / 3.0), "0.666666666666667");
}

TEST(NumberText, ExponentFormOnlyAtTheExtremes) {
    EXPECT_EQ(numberText(0.0000125), "1.25E-05");
    EXPECT_EQ(numberText(-0.00000625), "-6.25E-06");
    EXPECT_EQ(numberText(1e15), "1E+15");
    EXPECT_EQ(numberText(1.5e-300), "1.5E-300");
}

TEST(NumberText, ReaderAcceptsBothForms) {
    EXPECT_DOUBLE_EQ(*parseNumber(u"1.25E-05"), 0.0000125);
    EXPECT_DOUBLE_EQ(*parseNumber(u"1.25e-5"), 0.0000125);
    EXPECT_DOUBLE_EQ(*parseNumber(u"  -3.5 "), -3.5);
    EXPECT_DOUBLE_EQ(*parseNumber(u".5"), 0.5);
    EXPECT_FALSE(parseNumber(u"").has_value());
    EXPECT_FALSE(parseNumber(u"LRDelta").has_value());
    EXPECT_FALSE(parseNumber(u"1,5").has_value());
    EXPECT_FALSE(parseNumber(u"0x10").has_value());
}

TEST(NumberText, RoundTripsThroughText) {
    for (double v : {0.000125, 1.25e-5, 3.14159265358979, -48.0, 1e20, 0.069})
        EXPECT_DOUBLE_EQ(*parseNumber(numberText(v)), v) << v;
}

TEST(NumberText, LocaleNeverChangesTheDecimalPoint) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_EQ(numberText(2.5), "2.5");
    EXPECT_DOUBLE_EQ(*parseNumber(u"2.5"), 2.5);
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(before);
}

TEST(Rounding, HalvesGoToEven) {
    EXPECT_EQ(roundToInt(0.5), 0);
    EXPECT_EQ(roundToInt(1.5), 2);
    EXPECT_EQ(roundToInt(2.5), 2);
    EXPECT_EQ(roundToInt(-2.5), -2);
    EXPECT_EQ(roundToInt(-3.5), -4);
    EXPECT_EQ(roundToInt(2.4999), 2);
    EXPECT_EQ(roundToInt(-1.6), -2);
    EXPECT_EQ(roundToInt(2147483647.0), 2147483647);
    EXPECT_EQ(roundToInt(1e9 + 0.5), 1000000000);
}

TEST(Rounding, DecimalHalvesAtPlaces) {
    EXPECT_DOUBLE_EQ(roundHalfEven(0.0345, 3), 0.034);
    EXPECT_DOUBLE_EQ(roundHalfEven(0.0355, 3), 0.036);
    EXPECT_DOUBLE_EQ(roundHalfEven(-0.0345, 3), -0.034);
    EXPECT_DOUBLE_EQ(roundHalfEven(0.06875, 4), 0.0688);
    EXPECT_DOUBLE_EQ(roundHalfEven(1.23456, 4), 1.2346);
    EXPECT_EQ(numberText(roundHalfEven(-0.00001, 4)), "0");
}

TEST(Rounding, IntegerDivisionTruncatesTowardZero) {
    EXPECT_EQ(divTrunc(7, 2), 3);
    EXPECT_EQ(divTrunc(-7, 2), -3);
    EXPECT_EQ(divTrunc(-1, 2), 0);
}

TEST(Booleans, WrittenTrueFalseReadInAnyCaseOrAsNumbers) {
    EXPECT_EQ(boolText(true), "True");
    EXPECT_EQ(boolText(false), "False");
    EXPECT_EQ(parseBool(u"TRUE"), true);
    EXPECT_EQ(parseBool(u"false"), false);
    EXPECT_EQ(parseBool(u"-1"), true);
    EXPECT_EQ(parseBool(u"0"), false);
    EXPECT_EQ(parseBool(u"7"), true);
    EXPECT_FALSE(parseBool(u"yes").has_value());
    EXPECT_FALSE(parseBool(u"").has_value());
}
