#include "conversion/number_text.h"

#include <gtest/gtest.h>
#include <limits>

namespace trellwick {
namespace {

constexpr NumericLocale kPoint{'.', ','};
constexpr NumericLocale kComma{',', '.'};

TEST(NumberText, ShortestFormWithAtMostSevenSignificantDigits) {
    EXPECT_EQ(number_text(20, kPoint), "20");
    EXPECT_EQ(number_text(12.5f, kPoint), "12.5");
    EXPECT_EQ(number_text(1.0f / 3, kPoint), "0.3333333");
    EXPECT_EQ(number_text(2.0f / 3, kPoint), "0.6666667");
    EXPECT_EQ(number_text(0.1f, kPoint), "0.1");
    EXPECT_EQ(number_text(6.25f, kPoint), "6.25");
    EXPECT_EQ(number_text(0, kPoint), "0");
    EXPECT_EQ(number_text(-0.0f, kPoint), "0");
    EXPECT_EQ(number_text(-4.5f, kPoint), "-4.5");
    EXPECT_EQ(number_text(1234567, kPoint), "1234567");
}

TEST(NumberText, NoExponentAtTheEdgesOfSinglePrecision) {
    EXPECT_EQ(number_text(123456789.0f, kPoint), "123456800");
    EXPECT_EQ(number_text(0.00001234f, kPoint), "0.00001234");
    const std::string largest = number_text(std::numeric_limits<float>::max(), kPoint);
    EXPECT_EQ(largest.substr(0, 7), "3402823");
    EXPECT_EQ(largest.size(), 39u);
    EXPECT_EQ(number_text(std::numeric_limits<float>::denorm_min(), kPoint).substr(0, 4), "0.00");
}

TEST(NumberText, UsesTheLocaleDecimalSeparatorAndNoGrouping) {
    EXPECT_EQ(number_text(12.5f, kComma), "12,5");
    EXPECT_EQ(number_text(1234567, kComma), "1234567");
    EXPECT_EQ(print_form(12.5f, kComma), " 12,5 ");
    EXPECT_EQ(print_form(20, kPoint), " 20 ");
}

TEST(NumberReading, APointIsTheDecimalSeparatorInEveryLocale) {
    for (const NumericLocale& locale : {kPoint, kComma}) {
        EXPECT_EQ(parse_number("12.5", locale), 12.5f);
        EXPECT_EQ(parse_number("0.5", locale), 0.5f);
        EXPECT_EQ(parse_number("1.0", locale), 1.0f);
        EXPECT_EQ(parse_number("-3", locale), -3.0f);
        EXPECT_EQ(parse_number("+3", locale), 3.0f);
        EXPECT_EQ(parse_number(".5", locale), 0.5f);
        EXPECT_EQ(parse_number("1e2", locale), 100.0f);
        EXPECT_EQ(parse_number("-2.5E-1", locale), -0.25f);
    }
}

TEST(NumberReading, FallsBackToTheLocaleRules) {
    EXPECT_EQ(parse_number("0,5", kComma), 0.5f);
    EXPECT_EQ(parse_number("1.234,5", kComma), 1234.5f);
    EXPECT_EQ(parse_number("1,000", kPoint), 1000.0f);
    EXPECT_EQ(parse_number("1,5", kPoint), 15.0f);
}

TEST(NumberReading, TooSmallForSinglePrecisionIsNearlyZeroNotAFailure) {
    EXPECT_EQ(parse_number("1e-45", kPoint), std::numeric_limits<float>::denorm_min());
    EXPECT_EQ(parse_number("1e-400", kPoint), 0.0f);
    EXPECT_EQ(parse_number("-1e-400", kComma), 0.0f);
    EXPECT_EQ(parse_number("3.4028234e38", kPoint), std::numeric_limits<float>::max());
}

TEST(NumberReading, RejectsWhatIsNoNumber) {
    for (const char* text : {"", "-", "abc", "10)", "1 2", "inf", "nan", "0x10", "1.2.3", "e5",
                             "1e39", "-1e39", "%lat", " 1"})
        EXPECT_FALSE(parse_number(text, kPoint)) << text;
    EXPECT_FALSE(parse_number("1,2,3", kComma));
}

} // namespace
} // namespace trellwick
