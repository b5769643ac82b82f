// The pieces that read and rewrite a macro's lines: renaming, the placeholder
// scan and numbering, and the size line from the extent and the scale.

#include "conversion/macro_survey.h"
#include "conversion/numbering.h"
#include "conversion/renaming.h"
#include "file_test_support.h"
#include "files/text_file.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace trellwick {
namespace {

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
        EXPECT_EQ(Renaming().renamed_line(line), expected);
    }
}

// The placeholders used in the code parts get numbers in the order of the
// parameter lines; every line, comments too, is renumbered.
TEST(Numbering, UsedPlaceholdersNumberedInTheOrderOfTheParameterLines) {
    const std::array<std::string, 3> rows[] = {
        // renamed lines, "|" separated; lines 4 to 6; the lines renumbered
        {"no placeholder \t ", ";Scale=1, \\|;\\|;\\", "no placeholder \t "},
        {"a %lat b %up2 c %up2=", ";Latitude, Scale=1, \\|;\\|;C2, \\", "a %1 b %2 c %2="},
        {"%lon %sca %ran", ";Longitude, Scale=1, \\|;Range=10, \\|;\\", "%1 %2 %3"},
        {"%lat %lon %hea %sca %scc %ran %v1v %alt %up1 %up2= %up3 %up4=",
         ";Latitude, Longitude, Rotation, Scale=1, Density=0, \\|;Range=10, Visibility=0, "
         "Altitude=0, \\|;C1, C2, T1, T2, \\",
         "%1 %2 %3 %4 %5 %6 %7 %8 %9 %10= %11 %12="},
        {"%hea %hea ; %lat x %up1=5 %v2= %v2v y %LAT", ";Rotation, Scale=1, \\|;\\|;\\",
         "%1 %1 ;  x =5   y %LAT"},
        {"%lat %lon %hea %sca|%up1= %up1",
         ";Latitude, Longitude, Rotation, Scale=1, \\|;\\|;C1, \\", "%1 %2 %3 %4|%5= %5"},
        {";%lat|%LAT %Lon|%la|x %v2= %v2v", ";Scale=1, \\|;\\|;\\", ";|%LAT %Lon|%la|x  "},
        {"x %sca;|; %lon|a ; b %lon", ";Scale=1, \\|;\\|;\\", "x %1;|; |a ; b "},
        {"%%up3= 5", ";Scale=1, \\|;\\|;T1, \\", "%%1= 5"},
        {std::string(2'000'000, ' ') + "%ran", ";Scale=1, \\|;Range=10, \\|;\\",
         std::string(2'000'000, ' ') + "%1"},
        // A removal that joins a placeholder feeds the later replacements only.
        {"%lon|; %%latlon %l%v2=on %la%v2vt", ";Longitude, Scale=1, \\|;\\|;\\",
         "%1|; %1 %lon %lat"},
    };
    for (const auto& [lines, parameter_lines, renumbered] : rows) {
        SCOPED_TRACE(lines.substr(0, 40));
        PlaceholderUsage usage;
        std::istringstream scan(lines);
        for (std::string line; std::getline(scan, line, '|');)
            scan_line(line, usage);
        Numbering numbering(usage, {"C1", "C2", "T1", "T2"});
        const auto& written = numbering.parameter_lines();
        EXPECT_EQ(written[0] + "|" + written[1] + "|" + written[2], parameter_lines);
        std::istringstream split(lines);
        std::string all;
        for (std::string line; std::getline(split, line, '|');)
            all += (all.empty() ? "" : "|") + std::string(numbering.renumbered_line(line));
        EXPECT_EQ(all, renumbered);
    }
}

// The extent of all point lists together (with the origin), or the 10 by 10
// fallback; a macro that uses "%sca" shows it in the autoscale form, one
// without takes the scale of its last "RefPoint(" line.
TEST(SizeLine, FromTheExtentAndTheReferenceScale) {
    struct Row {
        std::string lines; // "|" separated
        std::string size_line;
        bool decimal_comma = false;
    };
    const std::string k2by4 = "RefPoint( 7 :1 2 a b )|Points( 0|1 0 -2|-1 0 2 )|";
    const Row rows[] = {
        {"%sca|no points here|5 0 7", ";FixedLength= 0 , FixedWidth= 0 , autoscale \\"},
        {"%sca|Points( 9 9 9|-5 1 -2|)", ";FixedLength= 5 , FixedWidth= 2 , autoscale \\"},
        {"%sca|Points( 0|10 0 10 )|x|;Points(|-10 0 -2.5|)",
         ";FixedLength= 20 , FixedWidth= 12,5 , autoscale \\", true},
        {"%sca|Points( 0|1 0 1|) 7 0 7|8 0 8", ";FixedLength= 1 , FixedWidth= 1 , autoscale \\"},
        {"%sca|Points( 0||   | ; 99 99 99|  3   0   4  |)",
         ";FixedLength= 3 , FixedWidth= 4 , autoscale \\"},
        {"%sca|Points( 0|6 8|1 x\ty 2 junk|)", ";FixedLength= 6 , FixedWidth= 8 , autoscale \\"},
        {"%sca|Points( 0|12.5 0 0.5|12,5 0 1|)",
         ";FixedLength= 12,5 , FixedWidth= 1 , autoscale \\", true},
        {"%sca|Points( 0|10 0 10)", "FALLBACK"},
        {"%sca|Points( 0|12|)", "FALLBACK"},
        {"%sca|Points( 0|1\t2\t3|)", "FALLBACK"},
        {"%sca|Points( 0|1e39 0 1|)", "FALLBACK"},
        {"%sca|Points( 0|9 0 9|1.5x 0 1|2 0 2|)", "FALLBACK"},
        {"%sca|Points( 0|1 0 -3e38|1 0 3e38|)", "FALLBACK"},
        {k2by4, ";FixedLength=4, FixedWidth=8 \\"},
        {"RefPoint( 7 :1 0.5 %lat %lon )|x|" + k2by4 + "RefPoint( abs :0 0,25   a b )",
         ";FixedLength=0.5, FixedWidth=1 \\", true},
        {"Points( 0|20 0 12.5 )|RefPoint( 7 :1 0.5 abc", ";FixedLength=10, FixedWidth=6.25 \\"},
        {"Points( 0|1 0 3e38 )|RefPoint( 7 :1 10 a b )",
         "Cannot write the size of the object: the size times the scale is too large"},
        {"x", "Cannot read the scale of the reference point in SRC: no line holds "
              "\"RefPoint(\""},
        {"RefPoint( 7 :1 big a b )",
         "Cannot read the scale of the reference point in SRC: the scale \"big\" of the "
         "reference point is not a number"},
        // The label part leaves out the line's last character, the value part
        // the label part's last one.
        {"RefPoint( 7 :1 0.5 ab", "NO SCALE"},
        {"RefPoint( 7 1 0.5 %lat )", "NO SCALE"},
        {"RefPoint( 7 :1)", "NO SCALE"},
        {"RefPoint( 7 :1 0.5)", "NO SCALE"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lines);
        std::string text = row.lines;
        std::replace(text.begin(), text.end(), '|', '\n');
        MacroSurvey survey(row.decimal_comma ? NumericLocale{',', '.'} : NumericLocale{});
        ASSERT_EQ(survey.read(*testing::read_lines_from(text)), "");
        const Extent extent = survey.extent();
        const auto written = survey.size_line(extent, "SRC");
        const std::string last_line = row.lines.substr(row.lines.rfind('|') + 1);
        EXPECT_EQ(extent.fell_back ? "FALLBACK" : written.line + written.error,
                  row.size_line != "NO SCALE"
                      ? row.size_line
                      : "Cannot read the scale of the reference point in SRC: the reference "
                        "point line has no scale followed by another word: " +
                            last_line);
    }
}

} // namespace
} // namespace trellwick
