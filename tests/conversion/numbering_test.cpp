#include "conversion/numbering.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

using Lines = std::array<std::string, 3>;

PlaceholderUsage using_(std::initializer_list<bool PlaceholderUsage::*> flags) {
    PlaceholderUsage usage;
    for (auto flag : flags)
        usage.*flag = true;
    return usage;
}

std::string renumbered(Numbering& numbering, std::string_view line) {
    std::string out;
    numbering.renumber(line, out);
    return out;
}

const std::array<std::string, 4> kColors{"Color1", "Color2", "Texture1", "Texture2"};

TEST(Numbering, ParameterLinesWithoutAnyPlaceholder) {
    Numbering numbering(PlaceholderUsage{}, kColors);
    EXPECT_EQ(numbering.parameter_lines(), (Lines{";Scale=1, \\", ";\\", ";\\"}));
}

TEST(Numbering, LatitudeAndSecondUserParameter) {
    using P = PlaceholderUsage;
    Numbering numbering(using_({&P::lat, &P::up2}), kColors);
    EXPECT_EQ(numbering.parameter_lines(), (Lines{";Latitude, Scale=1, \\", ";\\", ";Color2, \\"}));
    EXPECT_EQ(renumbered(numbering, "a %lat b %up2 c"), "a %1 b %2 c");
}

TEST(Numbering, ScaleGetsANumberOnlyWhenUsed) {
    using P = PlaceholderUsage;
    Numbering with_scale(using_({&P::lon, &P::sca, &P::ran}), kColors);
    EXPECT_EQ(with_scale.parameter_lines()[0], ";Longitude, Scale=1, \\");
    EXPECT_EQ(with_scale.parameter_lines()[1], ";Range=10, \\");
    EXPECT_EQ(renumbered(with_scale, "%lon %sca %ran"), "%1 %2 %3");

    Numbering without_scale(using_({&P::lon, &P::ran}), kColors);
    EXPECT_EQ(without_scale.parameter_lines()[0], ";Longitude, Scale=1, \\");
    EXPECT_EQ(renumbered(without_scale, "%lon %ran"), "%1 %2");
}

TEST(Numbering, AllTwelveInTheOrderOfTheParameterLines) {
    const PlaceholderUsage all{true, true, true, true, true, true,
                               true, true, true, true, true, true};
    Numbering numbering(all, kColors);
    EXPECT_EQ(numbering.parameter_lines(),
              (Lines{";Latitude, Longitude, Rotation, Scale=1, Density=0, \\",
                     ";Range=10, Visibility=0, Altitude=0, \\",
                     ";Color1, Color2, Texture1, Texture2, \\"}));
    EXPECT_EQ(renumbered(numbering, "%lat %lon %hea %sca %scc %ran %v1v %alt"),
              "%1 %2 %3 %4 %5 %6 %7 %8");
    EXPECT_EQ(renumbered(numbering, "%up1 %up2= %up3 %up4="), "%9 %10= %11 %12=");
}

TEST(Numbering, UnusedPlaceholdersAreRemovedAndV2Always) {
    using P = PlaceholderUsage;
    Numbering numbering(using_({&P::hea}), kColors);
    EXPECT_EQ(renumbered(numbering, "%hea %hea ; %lat"), "%1 %1 ; ");
    EXPECT_EQ(renumbered(numbering, "x %up1=5 %v2= %v2v y"), "x =5   y");
    EXPECT_EQ(renumbered(numbering, "%LAT %Hea"), "%LAT %Hea");
    EXPECT_EQ(renumbered(numbering, "no placeholder \t "), "no placeholder \t ");
}

TEST(Numbering, UserParameterEqualsFormKeepsItsEquals) {
    using P = PlaceholderUsage;
    Numbering numbering(using_({&P::lat, &P::lon, &P::hea, &P::sca, &P::up1}), kColors);
    EXPECT_EQ(renumbered(numbering, "%up1= %up1"), "%5= %5");
}

TEST(Numbering, ARemovalThatJoinsAPlaceholderFeedsTheLaterReplacements) {
    using P = PlaceholderUsage;
    // "%lat" is unused and removed first; what it leaves joins into "%lon",
    // which the next replacement numbers.
    Numbering numbering(using_({&P::lon}), kColors);
    EXPECT_EQ(renumbered(numbering, "%%latlon"), "%1");
    // A placeholder joined after its own replacement has run stays.
    EXPECT_EQ(renumbered(numbering, "%l%v2=on %la%v2vt"), "%lon %lat");
}

} // namespace
} // namespace trellwick
