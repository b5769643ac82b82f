#include "conversion/extent.h"
#include "conversion/text_file.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

constexpr NumericLocale kPoint{'.', ','};
constexpr NumericLocale kComma{',', '.'};

Extent measured(const std::string& text, const NumericLocale& locale = kPoint) {
    return measure_extent(*read_lines_from(text), locale);
}

void expect_extent(const Extent& extent, float length, float width) {
    EXPECT_FALSE(extent.fell_back);
    EXPECT_EQ(extent.length, length);
    EXPECT_EQ(extent.width, width);
}

void expect_fallback(const Extent& extent) {
    EXPECT_TRUE(extent.fell_back);
    EXPECT_EQ(extent.length, 10);
    EXPECT_EQ(extent.width, 10);
}

TEST(Measurement, TheBoxAlwaysHoldsTheOrigin) {
    expect_extent(measured("no points here\r\n"), 0, 0);
    expect_extent(measured("Points( 0\r\n5 0 2\r\n15 0 7 )\r\n"), 15, 7);
    expect_extent(measured("Points( 0\r\n-5 1 -2\r\n)\r\n"), 5, 2);
}

TEST(Measurement, AllPointListsCountTogetherCommentsIncluded) {
    expect_extent(measured("Points( 0\r\n10 0 10 )\r\nx\r\n;Points(\r\n-10 0 -2.5\r\n)\r\n"), 20,
                  12.5f);
}

TEST(Measurement, SkipsEmptyAndCommentLinesAndReadsOddSpacing) {
    expect_extent(measured("Points( 0\r\n\r\n   \r\n ; 99 99 99\r\n  3   0   4  \r\n)\r\n"), 3, 4);
    // Two fields: the second is the third coordinate.
    expect_extent(measured("Points( 0\r\n6 8\r\n)\r\n"), 6, 8);
    // Tabs are part of a field; the fourth field and after aren't read.
    expect_extent(measured("Points( 0\r\n1 x\ty 2 junk\r\n)\r\n"), 1, 2);
}

TEST(Measurement, ABracketJoinedToTheThirdFieldFallsBack) {
    expect_extent(measured("Points( 0\r\n10 0 10 )\r\n"), 10, 10);
    expect_fallback(measured("Points( 0\r\n10 0 10)\r\n"));
}

TEST(Measurement, FailuresFallBackToTenByTen) {
    expect_fallback(measured("Points( 0\r\n12\r\n)\r\n"));                    // one field
    expect_fallback(measured("Points( 0\r\n1\t2\t3\r\n)\r\n"));               // tabs only
    expect_fallback(measured("Points( 0\r\n1 2 3\r\n"));                      // list still open
    expect_fallback(measured("Points( 0\r\nx 0 1\r\n)\r\n"));                 // no number
    expect_fallback(measured("Points( 0\r\n1e39 0 1\r\n)\r\n"));              // too large
    expect_fallback(measured("Points( 0\r\n-3e38 0 1\r\n3e38 0 1\r\n)\r\n")); // extent overflows
}

TEST(Measurement, CoordinatesWithAPointReadTheSameInEveryLocale) {
    expect_extent(measured("Points( 0\r\n12.5 0 0.5\r\n)\r\n", kComma), 12.5f, 0.5f);
    expect_extent(measured("Points( 0\r\n12,5 0 1\r\n)\r\n", kComma), 12.5f, 1);
}

TEST(ScaleWord, TheWordAfterTheLabelFollowedByAnotherWord) {
    EXPECT_EQ(scale_word("RefPoint( 7 :1 0.5 %lat %lon )"), "0.5");
    EXPECT_EQ(scale_word("RefPoint( abs :0 2 %lat %lon )"), "2");
    EXPECT_EQ(scale_word("RefPoint( 7 :1   0.25   x )"), "0.25");
    EXPECT_EQ(scale_word("RefPoint( 7 1 0.5 %lat )"), std::nullopt); // no ":"
    EXPECT_EQ(scale_word("RefPoint( 7 :1)"), std::nullopt);          // label without blank
    EXPECT_EQ(scale_word("RefPoint( 7 :1 0.5)"), std::nullopt);      // scale is the last word
    EXPECT_EQ(scale_word("RefPoint( 7 :"), std::nullopt);
}

TEST(ReferenceScale, TheLastRefPointLineGivesTheScale) {
    const auto scale = read_reference_scale(
        *read_lines_from("RefPoint( 7 :1 0.5 %lat %lon )\r\nx\r\nRefPoint( 7 :1 2 a b )\r\n"),
        kPoint);
    EXPECT_EQ(scale.value, 2.0f);
}

TEST(ReferenceScale, ReadsPointsInEveryLocaleAndCommasInACommaLocale) {
    const std::string line = "RefPoint( 7 :1 0.5 %lat %lon )\r\n";
    EXPECT_EQ(read_reference_scale(*read_lines_from(line), kPoint).value, 0.5f);
    EXPECT_EQ(read_reference_scale(*read_lines_from(line), kComma).value, 0.5f);
    EXPECT_EQ(read_reference_scale(*read_lines_from("RefPoint( 7 :1 1.0 a b )"), kPoint).value,
              1.0f);
    EXPECT_EQ(read_reference_scale(*read_lines_from("RefPoint( 7 :1 0,5 a b )"), kComma).value,
              0.5f);
}

TEST(ReferenceScale, SaysWhyItCantBeRead) {
    EXPECT_EQ(read_reference_scale(*read_lines_from("Points(\r\n"), kPoint).problem,
              "no line holds \"RefPoint(\"");
    EXPECT_NE(read_reference_scale(*read_lines_from("RefPoint( 7 :1 0.5)"), kPoint)
                  .problem.find("no scale followed by another word"),
              std::string::npos);
    EXPECT_EQ(read_reference_scale(*read_lines_from("RefPoint( 7 :1 big a b )"), kPoint).problem,
              "the scale \"big\" of the reference point is not a number");
}

TEST(SizeLine, AutoscaleFormKeepsTheLocaleSeparator) {
    EXPECT_EQ(autoscale_size_line({20, 12.5f, false}, kPoint),
              ";FixedLength= 20 , FixedWidth= 12.5 , autoscale \\");
    EXPECT_EQ(autoscale_size_line({20, 12.5f, false}, kComma),
              ";FixedLength= 20 , FixedWidth= 12,5 , autoscale \\");
    EXPECT_EQ(autoscale_size_line({10, 10, true}, kPoint),
              ";FixedLength= 10 , FixedWidth= 10 , autoscale \\");
    EXPECT_EQ(autoscale_size_line({0, 0, false}, kPoint),
              ";FixedLength= 0 , FixedWidth= 0 , autoscale \\");
}

TEST(SizeLine, FixedFormMultipliesByTheScaleAndWritesPoints) {
    EXPECT_EQ(fixed_size_line({20, 12.5f, false}, 0.5f, kPoint),
              ";FixedLength=10, FixedWidth=6.25 \\");
    EXPECT_EQ(fixed_size_line({20, 12.5f, false}, 0.5f, kComma),
              ";FixedLength=10, FixedWidth=6.25 \\");
    EXPECT_EQ(fixed_size_line({10, 10, true}, 3, kPoint), ";FixedLength=30, FixedWidth=30 \\");
    EXPECT_EQ(fixed_size_line({3e38f, 1, false}, 10, kPoint), std::nullopt);
}

} // namespace
} // namespace trellwick
