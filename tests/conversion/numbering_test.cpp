#include "conversion/numbering.h"

#include <gtest/gtest.h>
#include <random>

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

// The body as the replacements read: each over the whole line as the previous
// ones left it, every occurrence left to right.
std::string renumbered_one_after_another(const PlaceholderUsage& u, std::string text) {
    int counter = 1;
    auto number = [&counter](bool used) {
        return used ? "%" + std::to_string(counter++) : "";
    };
    // Numbered in the order of the parameter lines.
    const std::string lat = number(u.lat), lon = number(u.lon), hea = number(u.hea),
                      sca = number(u.sca), scc = number(u.scc), ran = number(u.ran),
                      v1v = number(u.v1v), alt = number(u.alt), up1 = number(u.up1),
                      up2 = number(u.up2), up3 = number(u.up3), up4 = number(u.up4);
    const std::array<std::pair<std::string, std::string>, 18> replacements{{
        {"%lat", lat},
        {"%lon", lon},
        {"%ran", ran},
        {"%sca", sca},
        {"%hea", hea},
        {"%up1=", up1 + "="},
        {"%up1", up1},
        {"%up2=", up2 + "="},
        {"%up2", up2},
        {"%up3=", up3 + "="},
        {"%up3", up3},
        {"%up4=", up4 + "="},
        {"%up4", up4},
        {"%v1v", v1v},
        {"%alt", alt},
        {"%scc", scc},
        {"%v2=", ""},
        {"%v2v", ""},
    }};
    for (const auto& [from, to] : replacements) {
        std::string out;
        std::size_t copied = 0;
        for (auto at = text.find(from); at != std::string::npos; at = text.find(from, copied)) {
            out += text.substr(copied, at - copied) + to;
            copied = at + from.size();
        }
        text = out + text.substr(copied);
    }
    return text;
}

TEST(Numbering, TheQuickWalkEqualsTheReplacementsOneAfterAnother) {
    // Unused placeholders are removed, and a removal may join the text around
    // it into a placeholder for a later replacement; lines are built from
    // pieces that make that likely.
    std::mt19937 random(11);
    const std::array<std::string_view, 30> pieces{
        "%lat", "%lon", "%ran", "%sca", "%hea", "%up1", "%up1=", "%up2", "%v1v", "%alt",
        "%scc", "%v2=", "%v2v", "%",    "%l",   "%la",  "%a",    "%v",   "%u",   "%up",
        "at",   "on",   "lt",   "p1=",  "2v",   "1v",   "=",     " ",    "x",    "%%"};
    for (int round = 0; round < 30000; ++round) {
        PlaceholderUsage usage;
        for (bool PlaceholderUsage::*flag :
             {&PlaceholderUsage::lat, &PlaceholderUsage::lon, &PlaceholderUsage::ran,
              &PlaceholderUsage::sca, &PlaceholderUsage::hea, &PlaceholderUsage::up1,
              &PlaceholderUsage::up2, &PlaceholderUsage::v1v, &PlaceholderUsage::alt,
              &PlaceholderUsage::scc})
            usage.*flag = random() % 2 == 0;
        Numbering numbering(usage, kColors);
        std::string line;
        const int length = static_cast<int>(random() % 10);
        for (int i = 0; i < length; ++i)
            line += pieces[random() % pieces.size()];
        ASSERT_EQ(renumbered(numbering, line), renumbered_one_after_another(usage, line)) << line;
    }
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
