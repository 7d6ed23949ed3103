#include "core/NumberText.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>

using namespace orvane;

TEST(NumberText, FifteenDigitsNoTrailingZerosExponentsOnlyAtTheExtremesAndNoLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::pair<double, const char*> cases[] = {
        {0.0, "0"},       {2.5, "2.5"},       {-0.125, "-0.125"},      {6.0, "6"},
        {152.4, "152.4"}, {0.0001, "0.0001"}, {0.00009, "9E-05"},      {1.25e-5, "1.25E-05"},
        {1e15, "1E+15"},  {0.1 + 0.2, "0.3"}, {-6.25e-6, "-6.25E-06"}, {1.5e-300, "1.5E-300"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(numberText(value), text);
        EXPECT_DOUBLE_EQ(*parseNumber(numberText(value)), value) << text;
    }
    EXPECT_EQ(numberText(1e14), "100000000000000");
    EXPECT_EQ(numberText(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(numberText(std::sqrt(3.0)), "1.73205080756888");
    QLocale::setDefault(before);
}

TEST(NumberText, ReadsBothFormsAndBooleansInAnyCaseOrAsNumbers) {
    EXPECT_DOUBLE_EQ(*parseNumber(u"  -3.5 "), -3.5);
    EXPECT_DOUBLE_EQ(*parseNumber(u".5e-1"), 0.05);
    for (const char16_t* bad : {u"", u"LRDelta", u"1,5", u"0x10"})
        EXPECT_FALSE(parseNumber(bad).has_value());
    EXPECT_EQ(boolText(true) + boolText(false), "TrueFalse");
    const std::pair<const char16_t*, std::optional<bool>> bools[] = {
        {u"TRUE", true}, {u"false", false}, {u"-1", true}, {u"0", false},
        {u"7", true},    {u"yes", {}},      {u"", {}}};
    for (const auto& [text, value] : bools)
        EXPECT_EQ(parseBool(text), value);
}

TEST(NumberText, DecimalHalvesRoundToEven) {
    const std::tuple<double, int, double> cases[] = {
        {0.5, 0, 0},          {1.5, 0, 2},          {2.5, 0, 2},          {-2.5, 0, -2},
        {2.4999, 0, 2},       {-1.6, 0, -2},        {0.0345, 3, 0.034},   {0.0355, 3, 0.036},
        {-0.0345, 3, -0.034}, {0.06875, 4, 0.0688}, {1.23456, 4, 1.2346}, {1e9 + 0.5, 0, 1e9}};
    for (const auto& [value, places, rounded] : cases)
        EXPECT_DOUBLE_EQ(roundHalfEven(value, places), rounded) << value << " at " << places;
    EXPECT_EQ(roundToInt(-3.5), -4);
    EXPECT_EQ(roundToInt(1e20), std::numeric_limits<qint64>::max());
    EXPECT_EQ(roundToInt(-INFINITY), std::numeric_limits<qint64>::min());
    EXPECT_EQ(roundToInt(NAN), 0);
    EXPECT_EQ(numberText(roundHalfEven(-0.00001, 4)), "0");
}
