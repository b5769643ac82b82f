#include "conversion/renaming.h"

#include <gtest/gtest.h>
#include <random>

namespace trellwick {
namespace {

std::string renamed(std::string_view line) {
    std::string scratch;
    return std::string(renamed_line(line, scratch));
}

// The renaming as the table reads: each pair over the previous pair's result.
std::string renamed_pair_by_pair(std::string text) {
    for (const RenamingPair& pair : kRenamingTable) {
        std::string out;
        std::size_t copied = 0;
        for (auto at = text.find(pair.api_token); at != std::string::npos;
             at = text.find(pair.api_token, copied)) {
            out += text.substr(copied, at - copied);
            out += pair.named_token;
            copied = at + pair.api_token.size();
        }
        text = out + text.substr(copied);
    }
    return text;
}

TEST(PlaceholderRenaming, EveryPairOfTheTable) {
    EXPECT_EQ(renamed("%1 %2 %3 %4 %5 %6 %7 %8 %9 "),
              "%lat %lon %ran %sca %hea %up1 %up2 %up3 %up4 ");
    EXPECT_EQ(renamed("%6=%7=%8=%9="), "%up1=%up2=%up3=%up4=");
    EXPECT_EQ(renamed("%10 %11 %12 %13 %14 "), "%v1v %alt %scc %v2= %v2v ");
}

TEST(PlaceholderRenaming, OnlyWithTheBlankOrEqualsThatFollows) {
    EXPECT_EQ(renamed("Points( %1 %2 %5"), "Points( %lat %lon %5");
    EXPECT_EQ(renamed("%1,%2)\t%3\t"), "%1,%2)\t%3\t");
    EXPECT_EQ(renamed("%1=%5=%10=%14="), "%1=%5=%10=%14=");
    EXPECT_EQ(renamed("%15 %100 %1 %1 "), "%15 %100 %lat %lat ");
    EXPECT_EQ(renamed("%%1 %a %"), "%%lat %a %");
    EXPECT_EQ(renamed("; comment %1 stays a comment"), "; comment %lat stays a comment");
}

TEST(PlaceholderRenaming, BlanksTabsAndOtherBytesAreKept) {
    EXPECT_EQ(renamed(""), "");
    EXPECT_EQ(renamed("  \t x %2 \t "), "  \t x %lon \t ");
    const std::string bytes{"\0\xe9%3 \xff", 6};
    EXPECT_EQ(renamed(bytes), std::string("\0\xe9%ran \xff", 8));
}

TEST(PlaceholderRenaming, OnePassEqualsThePairsAppliedOneAfterAnother) {
    std::mt19937 random(7);
    const std::string alphabet = "%%%%0112345678899 = =;a";
    for (int round = 0; round < 20000; ++round) {
        std::string line;
        const int length = static_cast<int>(random() % 24);
        for (int i = 0; i < length; ++i)
            line += alphabet[random() % alphabet.size()];
        ASSERT_EQ(renamed(line), renamed_pair_by_pair(line)) << line;
    }
}

} // namespace
} // namespace trellwick
