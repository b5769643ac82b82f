// The pieces that read and rewrite a macro's lines: renaming, the placeholder
// scan, numbering, the extent, the reference scale and the size line.

#include "conversion/extent.h"
#include "conversion/numbering.h"
#include "conversion/renaming.h"
#include "conversion/text_file.h"

#include <gtest/gtest.h>
#include <sstream>

namespace trellwick {
namespace {

constexpr NumericLocale kPoint{'.', ','};
constexpr NumericLocale kComma{',', '.'};

const std::pair<const char*, bool PlaceholderUsage::*> kFlags[] = {
    {"lat", &PlaceholderUsage::lat}, {"lon", &PlaceholderUsage::lon},
    {"ran", &PlaceholderUsage::ran}, {"sca", &PlaceholderUsage::sca},
    {"hea", &PlaceholderUsage::hea}, {"up1", &PlaceholderUsage::up1},
    {"up2", &PlaceholderUsage::up2}, {"up3", &PlaceholderUsage::up3},
    {"up4", &PlaceholderUsage::up4}, {"v1v", &PlaceholderUsage::v1v},
    {"alt", &PlaceholderUsage::alt}, {"scc", &PlaceholderUsage::scc}};

// "lat up2" for a usage with those two flags set, and back.
std::string flags_of(const PlaceholderUsage& usage) {
    std::string names;
    for (const auto& [name, flag] : kFlags)
        if (usage.*flag)
            names += (names.empty() ? "" : " ") + std::string(name);
    return names;
}
PlaceholderUsage usage_of(const std::string& names) {
    PlaceholderUsage usage;
    std::istringstream words(names);
    for (std::string word; words >> word;)
        for (const auto& [name, flag] : kFlags)
            usage.*flag = usage.*flag || word == name;
    return usage;
}

TEST(PlaceholderRenaming, EachApiTokenWithItsBlankOrEquals) {
    const std::pair<std::string, std::string> rows[] = {
        {"%1 %2 %3 %4 %5 %6 %7 %8 %9 ", "%lat %lon %ran %sca %hea %up1 %up2 %up3 %up4 "},
        {"%6=%7=%8=%9=", "%up1=%up2=%up3=%up4="},
        {"%10 %11 %12 %13 %14 ", "%v1v %alt %scc %v2= %v2v "},
        {"Points( %1 %2 %5", "Points( %lat %lon %5"},
        {"%1,%2)\t%3\t%1=%5=%10=%14=", "%1,%2)\t%3\t%1=%5=%10=%14="},
        {"%15 %100 %%1 %a %", "%15 %100 %%lat %a %"},
        {"x%1 ", "x%lat "},
        {"", ""},
        {std::string("\0\xe9%3 \xff", 6), std::string("\0\xe9%ran \xff", 8)},
    };
    for (const auto& [line, expected] : rows) {
        SCOPED_TRACE(line);
        std::string scratch;
        EXPECT_EQ(renamed_line(line, scratch), expected);
    }
}

TEST(PlaceholderScan, OnlyTheCodePartBeforeTheFirstSemicolonCounts) {
    // Lines are "|" separated.
    const std::pair<std::string, std::string> rows[] = {
        {"%hea ; %lat", "hea"},
        {";%lat|%LAT %Lon|%la|%v2= %v2v", ""},
        {"x %sca;", "sca"},
        {"; %lon|a ; b %lon", ""},
        {"%lat %lon %ran %sca %hea|%up1 %up2= %up3 %up4=|%v1v %alt %scc",
         "lat lon ran sca hea up1 up2 up3 up4 v1v alt scc"},
        {"%%up3= 5", "up3"},
        {std::string(2'000'000, ' ') + "%ran", "ran"},
    };
    for (const auto& [lines, expected] : rows) {
        SCOPED_TRACE(lines.substr(0, 40));
        PlaceholderUsage usage;
        std::istringstream split(lines);
        for (std::string line; std::getline(split, line, '|');)
            scan_line(line, usage);
        EXPECT_EQ(flags_of(usage), expected);
        EXPECT_EQ(usage.any_user_parameter(), expected.find("up") != std::string::npos);
    }
}

TEST(Numbering, ParameterLinesAndTheBodyNumberedInTheirOrder) {
    struct Row {
        std::string used, line, renumbered, parameter_lines;
    };
    const Row rows[] = {
        {"", "no placeholder \t ", "no placeholder \t ", ";Scale=1, \\|;\\|;\\"},
        {"lat up2",
         "a %lat b %up2 c %up2=", "a %1 b %2 c %2=", ";Latitude, Scale=1, \\|;\\|;C2, \\"},
        {"lon sca ran", "%lon %sca %ran", "%1 %2 %3", ";Longitude, Scale=1, \\|;Range=10, \\|;\\"},
        {"lat lon ran sca hea up1 up2 up3 up4 v1v alt scc",
         "%lat %lon %hea %sca %scc %ran %v1v %alt %up1 %up2= %up3 %up4=",
         "%1 %2 %3 %4 %5 %6 %7 %8 %9 %10= %11 %12=",
         ";Latitude, Longitude, Rotation, Scale=1, Density=0, \\|;Range=10, Visibility=0, "
         "Altitude=0, \\|;C1, C2, T1, T2, \\"},
        {"hea", "%hea %hea ; %lat x %up1=5 %v2= %v2v y %LAT", "%1 %1 ;  x =5   y %LAT",
         ";Rotation, Scale=1, \\|;\\|;\\"},
        {"lat lon hea sca up1", "%up1= %up1", "%5= %5",
         ";Latitude, Longitude, Rotation, Scale=1, \\|;\\|;C1, \\"},
        // A removal that joins a placeholder feeds the later replacements only.
        {"lon", "%%latlon %l%v2=on %la%v2vt", "%1 %lon %lat", ";Longitude, Scale=1, \\|;\\|;\\"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        Numbering numbering(usage_of(row.used), {"C1", "C2", "T1", "T2"});
        std::string out;
        numbering.renumber(row.line, out);
        EXPECT_EQ(out, row.renumbered);
        const auto& lines = numbering.parameter_lines();
        EXPECT_EQ(lines[0] + "|" + lines[1] + "|" + lines[2], row.parameter_lines);
    }
}

TEST(Measurement, AllPointListsTogetherWithTheOriginOrTheTenByTenFallback) {
    struct Row {
        std::string text;
        float length, width;
        bool fell_back;
        NumericLocale locale = kPoint;
    };
    const Row rows[] = {
        {"no points here\r\n5 0 7\r\n", 0, 0, false},
        {"Points( 0\r\n5 0 2\r\n15 0 7 )\r\n", 15, 7, false},
        {"Points( 9 9 9\r\n-5 1 -2\r\n)\r\n", 5, 2, false},
        {"Points( 0\r\n10 0 10 )\r\nx\r\n;Points(\r\n-10 0 -2.5\r\n)\r\n", 20, 12.5f, false},
        {"Points( 0\r\n1 0 1 )\r\n2 0 2\r\n", 1, 1, false},
        {"Points( 0\r\n1 0 1\r\n) 7 0 7\r\n8 0 8\r\n", 1, 1, false},
        {"Points( 0\r\n\r\n   \r\n ; 99 99 99\r\n  3   0   4  \r\n)\r\n", 3, 4, false},
        {"Points( 0\r\n6 8\r\n1 x\ty 2 junk\r\n)\r\n", 6, 8, false},
        {"Points( 0\r\n12.5 0 0.5\r\n12,5 0 1\r\n)\r\n", 12.5f, 1, false, kComma},
        {"Points( 0\r\n10 0 10)\r\n", 10, 10, true},
        {"Points( 0\r\n12\r\n)\r\n", 10, 10, true},
        {"Points( 0\r\n1\t2\t3\r\n)\r\n", 10, 10, true},
        {"Points( 0\r\n1 2 3\r\n", 10, 10, true},
        {"Points( 0\r\nx 0 1\r\n)\r\n", 10, 10, true},
        {"Points( 0\r\n1e39 0 1\r\n)\r\n", 10, 10, true},
        {"Points( 0\r\n-3e38 0 1\r\n3e38 0 1\r\n)\r\n", 10, 10, true},
        {"Points( 0\r\n1 0 -3e38\r\n1 0 3e38\r\n)\r\n", 10, 10, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        ExtentMeasurement measurement(row.locale);
        measurement.add_lines(row.text, MacroLines::Renamed);
        const Extent extent = measurement.finish(false);
        EXPECT_EQ(extent.length, row.length);
        EXPECT_EQ(extent.width, row.width);
        EXPECT_EQ(extent.fell_back, row.fell_back);
    }
}

TEST(ReferenceScale, TheWordAfterTheLabelOfTheLastRefPointLine) {
    const std::tuple<std::string, NumericLocale, std::string> rows[] = {
        {"RefPoint( 7 :1 0.5 %lat %lon )", kPoint, "0.5"},
        {"RefPoint( 7 :1 0.5 %lat %lon )\r\nx\r\nRefPoint( abs :0 2 a b )", kComma, "2"},
        {"RefPoint( 7 :1   0.25   x )", kPoint, "0.25"},
        {"RefPoint( 7 :1 0,5 a b )", kComma, "0.5"},
        {"Points(\r\n", kPoint, "no line holds \"RefPoint(\""},
        {"RefPoint( 7 :1 big a b )", kPoint,
         "the scale \"big\" of the reference point is not a number"},
        // The label part leaves out the line's last character, the value part
        // the label part's last one.
        {"RefPoint( 7 :1 0.5 abc", kPoint, "0.5"},
        {"RefPoint( 7 :1 0.5 ab", kPoint, "NO SCALE"},
        {"RefPoint( 7 1 0.5 %lat )", kPoint, "NO SCALE"},
        {"RefPoint( 7 :1)", kPoint, "NO SCALE"},
        {"RefPoint( 7 :1 0.5)", kPoint, "NO SCALE"},
    };
    for (const auto& [text, locale, expected] : rows) {
        SCOPED_TRACE(text);
        ReferenceScale reference;
        reference.add_lines(text);
        const Scale scale = reference.finish(locale);
        std::ostringstream value;
        value << scale.value.value_or(-1);
        EXPECT_EQ(scale.value ? value.str() : scale.problem,
                  expected == "NO SCALE"
                      ? "the reference point line has no scale followed by another word: " + text
                      : expected);
    }
}

TEST(SizeLine, AutoscaleKeepsTheLocaleSeparatorTheFixedFormScalesAndWritesPoints) {
    const std::tuple<float, float, float, NumericLocale, std::string> rows[] = {
        {20, 12.5f, 0, kPoint, ";FixedLength= 20 , FixedWidth= 12.5 , autoscale \\"},
        {20, 12.5f, 0, kComma, ";FixedLength= 20 , FixedWidth= 12,5 , autoscale \\"},
        {20, 12.5f, 0.5f, kComma, ";FixedLength=10, FixedWidth=6.25 \\"},
        {10, 10, 3, kPoint, ";FixedLength=30, FixedWidth=30 \\"},
        {3e38f, 1, 10, kPoint, "none"},
        {1, 3e38f, 10, kPoint, "none"},
    };
    for (const auto& [length, width, scale, locale, line] : rows) {
        SCOPED_TRACE(line);
        const Extent extent{length, width, false};
        EXPECT_EQ(scale == 0 ? autoscale_size_line(extent, locale)
                             : fixed_size_line(extent, scale, locale).value_or("none"),
                  line);
    }
}

} // namespace
} // namespace trellwick
