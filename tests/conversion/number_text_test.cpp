#include "conversion/number_text.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

constexpr NumericLocale kPoint{'.', ','};
constexpr NumericLocale kComma{',', '.'};

TEST(NumberText, ShortestFormWithAtMostSevenSignificantDigitsAndNoExponent) {
    struct Row {
        float value;
        NumericLocale locale;
        std::string_view text;
    };
    const Row rows[] = {
        {12.5f, kPoint, "12.5"},
        {1.0f / 3, kPoint, "0.3333333"},
        {0, kPoint, "0"},
        {-0.0f, kPoint, "0"},
        {-4.5f, kComma, "-4,5"},
        {1234567, kComma, "1234567"},
        {123456789.0f, kPoint, "123456800"},
        {0.00001234f, kPoint, "0.00001234"},
        {3.40282347e38f, kPoint, "340282300000000000000000000000000000000"},
        {1.401298e-45f, kPoint, "0.000000000000000000000000000000000000000000001401298"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(number_text(row.value, row.locale), row.text);
    }
    EXPECT_EQ(print_form(12.5f, kComma), " 12,5 ");
}

TEST(NumberReading, PointFirstThenTheLocaleRules) {
    struct Row {
        std::string text;
        NumericLocale locale;
        std::optional<float> value;
    };
    const Row rows[] = {
        {"12.5", kComma, 12.5f},
        {".5", kComma, 0.5f},
        {"1e2", kPoint, 100.0f},
        {"-2.5E-1", kComma, -0.25f},
        {"0,5", kComma, 0.5f},
        {"1.234,5", kComma, 1234.5f},
        {"1,000", kPoint, 1000.0f},
        {"1,5", kPoint, 15.0f},
        // too small for single precision: the nearest float, or 0
        {"1e-45", kPoint, 1.401298e-45f},
        {"1e-400", kPoint, 0.0f},
        {"0." + std::string(330, '0') + "1", kComma, 0.0f},
        {"0.00000000000000000000000000000000000000000000001e2", kComma, 1.401298e-45f},
        // up to what still rounds to the largest float
        {"3.4028235e38", kPoint, 3.40282347e38f},
        {"340282350000000000000000000000000000000", kComma, 3.40282347e38f},
        {"0.0000034028235e44", kPoint, 3.40282347e38f},
        {"3.4028236e38", kPoint, std::nullopt},
        {"1e-99999999999999999999", kPoint, 0.0f},
        {"1e99999999999999999999", kPoint, std::nullopt},
        // no number
        {"", kPoint, std::nullopt},
        {"-", kPoint, std::nullopt},
        {"10)", kPoint, std::nullopt},
        {"inf", kPoint, std::nullopt},
        {"0x10", kPoint, std::nullopt},
        {"1.2.3", kPoint, std::nullopt},
        {" 1", kPoint, std::nullopt},
        {"\t1", kPoint, std::nullopt},
        {"1,2,3", kComma, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text.substr(0, 60));
        EXPECT_EQ(parse_number(row.text, row.locale), row.value);
    }
}

} // namespace
} // namespace trellwick
