#include "conversion/placeholder_usage.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

PlaceholderUsage scanned(std::initializer_list<std::string_view> lines) {
    PlaceholderUsage usage;
    for (auto line : lines)
        scan_line(line, usage);
    return usage;
}

TEST(PlaceholderScan, OnlyTheCodePartBeforeTheFirstSemicolonCounts) {
    PlaceholderUsage hea_only;
    hea_only.hea = true;
    EXPECT_EQ(scanned({"%hea ; %lat"}), hea_only);
    EXPECT_EQ(scanned({";%lat"}), PlaceholderUsage{});
    EXPECT_TRUE(scanned({"%lat"}).lat);
    EXPECT_TRUE(scanned({"x %lat;"}).lat);
    // A second occurrence in code doesn't count when the first is in a comment.
    EXPECT_FALSE(scanned({"; %lon", "a ; b %lon"}).lon);
}

TEST(PlaceholderScan, IsCaseSensitiveAndKnowsEveryFlag) {
    EXPECT_EQ(scanned({"%LAT %Lon"}), PlaceholderUsage{});
    const PlaceholderUsage all =
        scanned({"%lat %lon %ran %sca %hea", "%up1 %up2= %up3 %up4=", "%v1v %alt %scc %v2= %v2v"});
    PlaceholderUsage expected{true, true, true, true, true, true,
                              true, true, true, true, true, true};
    EXPECT_EQ(all, expected);
}

TEST(PlaceholderScan, EqualsFormSetsTheUserParameter) {
    const PlaceholderUsage usage = scanned({"Color %up3= 5"});
    EXPECT_TRUE(usage.up3);
    EXPECT_TRUE(usage.any_user_parameter());
    EXPECT_FALSE(usage.up1 || usage.up2 || usage.up4);
    EXPECT_FALSE(scanned({"%v2= %v2v"}).any_user_parameter());
}

TEST(PlaceholderScan, APlaceholderFarIntoALongLineStillCounts) {
    EXPECT_TRUE(scanned({std::string(2'000'000, ' ') + "%sca"}).sca);
}

} // namespace
} // namespace trellwick
