#include <gtest/gtest.h>
#include <tuple>

#include "calc_error_expect.h"
#include "number_text.h"
#include "prefixed_number.h"

namespace {

TEST(GeneralTextTest, PlainDecimals)
{
    EXPECT_EQ(GeneralText(0), "0");
    EXPECT_EQ(GeneralText(-0.0), "0");
    EXPECT_EQ(GeneralText(1.5), "1.5");
    EXPECT_EQ(GeneralText(0.5), "0.5");
    EXPECT_EQ(GeneralText(-2.5), "-2.5");
    EXPECT_EQ(GeneralText(100), "100");
    EXPECT_EQ(GeneralText(1234567), "1234567");
    EXPECT_EQ(GeneralText(0.0001), "0.0001");
    EXPECT_EQ(GeneralText(-0.0592), "-0.0592");
    EXPECT_EQ(GeneralText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(GeneralText(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(GeneralText(123456.789012345678), "123456.789012346");
    EXPECT_EQ(GeneralText(999999999999999.0), "999999999999999");
    EXPECT_EQ(GeneralText(0.1 + 0.2), "0.3");
}

TEST(GeneralTextTest, ExponentForms)
{
    EXPECT_EQ(GeneralText(1e15), "1E+15");
    EXPECT_EQ(GeneralText(1.5e16), "1.5E+16");
    EXPECT_EQ(GeneralText(-2.25e20), "-2.25E+20");
    EXPECT_EQ(GeneralText(1e100), "1E+100");
    EXPECT_EQ(GeneralText(9999999999999999.0), "1E+16");
    EXPECT_EQ(GeneralText(999999999999999.9), "1E+15");
    EXPECT_EQ(GeneralText(1e-5), "1E-05");
    EXPECT_EQ(GeneralText(-2.5e-7), "-2.5E-07");
    // Forced, with fewer digits where a label is narrow; rounding may carry.
    EXPECT_EQ(ExponentText(9999999000000, 7), "9.999999E+12");
    EXPECT_EQ(ExponentText(9999999000000, 6), "1.00000E+13");
    EXPECT_EQ(ExponentText(-1591.5498, 4), "-1.592E+03");
    EXPECT_EQ(ExponentText(84673.3066, 12), "8.46733066000E+04");
}

TEST(Round4Test, FloorRuleRoundsHalvesUpward)
{
    // ±1.03125 are exact, so 10^4 × x lies exactly on a half.
    EXPECT_EQ(Round4(1.03125), 1.0313);
    EXPECT_EQ(Round4(-1.03125), -1.0312);
    EXPECT_EQ(Round4(2.00004), 2);
    EXPECT_EQ(Round4(-0.00004), 0);
    EXPECT_EQ(Round4(-0.00006), -0.0001);
    EXPECT_CALC_ERROR(Round4(1e305), 6);
}

TEST(Round4Test, DisplayValueShowsTheRoundedProduct)
{
    EXPECT_EQ(DisplayValue(1.0 / 3, 1000), "333.3333");
    EXPECT_EQ(DisplayValue(-0.00004, 1), "0");
    EXPECT_EQ(DisplayValue(-0.00006, 1), "-0.0001");
    EXPECT_EQ(DisplayValue(2.5e-9, 1e6), "0.0025");
    EXPECT_EQ(DisplayValue(12345.67891, 1e-3), "12.3457");
    EXPECT_EQ(DisplayValue(3e14, 10), "3E+15");
}

TEST(FmtNumTest, DoubleForm)
{
    EXPECT_EQ(FmtNum(0.5), " .5");
    EXPECT_EQ(FmtNum(100.0), " 100");
    EXPECT_EQ(FmtNum(-2.5), "-2.5");
    EXPECT_EQ(FmtNum(-0.25), "-.25");
    EXPECT_EQ(FmtNum(0.0), " 0");
    EXPECT_EQ(FmtNum(-0.0), " 0");
    EXPECT_EQ(FmtNum(0.01), " .01");
    EXPECT_EQ(FmtNum(0.1 + 0.2), " .3");
    EXPECT_EQ(FmtNum(1.0 / 3), " .333333333333333");
    EXPECT_EQ(FmtNum(100000.0), " 100000");
    EXPECT_EQ(FmtNum(1.5e16), " 1.5E+16");
    EXPECT_EQ(FmtNum(-1e-6), "-1E-06");
}

TEST(FmtNumTest, SingleFormHasSevenDigits)
{
    EXPECT_EQ(FmtNum(0.1f), " .1");
    EXPECT_EQ(FmtNum(3.2f), " 3.2");
    EXPECT_EQ(FmtNum(-45.3f), "-45.3");
    EXPECT_EQ(FmtNum(1.0f / 3), " .3333333");
    EXPECT_EQ(FmtNum(123456.7f), " 123456.7");
    EXPECT_EQ(FmtNum(1234567.0f), " 1234567");
    EXPECT_EQ(FmtNum(12345678.0f), " 1.234568E+07");
    EXPECT_EQ(FmtNum(0.0f), " 0");
}

TEST(Dec1Test, RoundsToOneDecimalAsSingle)
{
    EXPECT_EQ(Dec1(3.16227766), 3.2f);
    EXPECT_EQ(Dec1(-45.26), -45.3f);
    EXPECT_EQ(Dec1(0.04), 0.0f);
    EXPECT_EQ(Dec1(-0.25), -0.2f);  // −2.5 + 0.5 = −2 exactly
    EXPECT_EQ(FmtNum(Dec1(3.16227766)), " 3.2");
    EXPECT_EQ(FmtNum(Dec1(-45.26)), "-45.3");
    EXPECT_EQ(FmtNum(Dec1(0.04)), " 0");
    EXPECT_EQ(FmtNum(Dec1(0.5)), " .5");
    EXPECT_CALC_ERROR(Dec1(1e300), 6);
}

TEST(NumericTextTest, WhatCountsAsANumber)
{
    for (const char* yes : {"2E3", " 12 ", "-.5", "5.", "+7", "1e-3", "0.25", "1E+2", "  3.5\t"})
        EXPECT_TRUE(IsNumeric(yes)) << '"' << yes << '"';
    for (const char* no : {"", "-", ".", "1e", "12a", "1.2.3", "  ", "1 2", "+-1", "e5", "-.e1", "1E400", "1e+"})
        EXPECT_FALSE(IsNumeric(no)) << '"' << no << '"';
    // Typed key by key, these still become numbers; the others never do.
    for (const char* unfinished : {"", "-", ".", "-.", "+", "  ", " -", "1E", "1e-", "2.E+", "-.5E"})
        EXPECT_TRUE(IsUnfinishedNumber(unfinished)) << '"' << unfinished << '"';
    for (const char* never : {"2E3", "12a", "1.2.3", "1 2", "+-1", "e5", "-.e1", "1E400", "- ", "1E ", "1E-+", "5"})
        EXPECT_FALSE(IsUnfinishedNumber(never)) << '"' << never << '"';

    // Prefixed values, and their plain text in a unit of 10^exponent within
    // 7 characters ("" when it takes more).
    const std::tuple<const char*, int, const char*> prefixed[] = {
        {"4.7k", 3, "4.7"},    {"4k7", 0, "4700"},       {"47n", -6, "0.047"},  {"47n", -12, "47000"},
        {"-2.2μ", -6, "-2.2"}, {" 2.2µ ", -3, "0.0022"}, {"0.10M", 3, "100"},   {"10G", 6, "10000"},
        {"1p", -6, ""},        {"00k", 3, "0"},          {"1.5m", 0, "0.0015"}, {"+.5K", 0, "500"}};
    for (const auto& [text, exponent, shown] : prefixed) {
        const auto number = ReadPrefixedNumber(text);
        ASSERT_TRUE(number) << text;
        EXPECT_EQ(PlainTextInUnit(*number, exponent, 7).value_or(""), shown) << text << " in 1E" << exponent;
    }
    for (const char* no : {"4.7", "k", "4.7k7", "4k7.", "4kk", "1E3k", "4.7 k", "", "-k", "4P"})
        EXPECT_FALSE(ReadPrefixedNumber(no)) << '"' << no << '"';
}

TEST(NumericTextTest, ValueOfTheLeadingNumber)
{
    EXPECT_EQ(NumericValue(" 12 "), 12);
    EXPECT_EQ(NumericValue("12a"), 12);
    EXPECT_EQ(NumericValue("1.2.3"), 1.2);
    EXPECT_EQ(NumericValue("1e"), 1);
    EXPECT_EQ(NumericValue("2E3"), 2000);
    EXPECT_EQ(NumericValue("-.5"), -0.5);
    EXPECT_EQ(NumericValue("+4.5e-1x"), 0.45);
    EXPECT_EQ(NumericValue("01"), 1);
    EXPECT_EQ(NumericValue(""), 0);
    EXPECT_EQ(NumericValue("abc"), 0);
    EXPECT_EQ(NumericValue("-"), 0);
    EXPECT_EQ(NumericValue("1E-400"), 0);
    EXPECT_CALC_ERROR(NumericValue("1E400"), 6);
    EXPECT_CALC_ERROR(NumericValue("-9e999"), 6);
}

}  // namespace
