// The walk that makes a list's replacements in one pass against their
// definition, the replacements made one after another over the whole text.

#include "conversion/one_walk.h"
#include "conversion/renaming.h"

#include <array>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace trellwick {
namespace {

// Lines made of pieces that start, end, join and break tokens and
// placeholders.
std::string random_line(std::minstd_rand& random) {
    static const std::array<std::string_view, 24> kPieces = {
        "%",    "%1", "%1 ", "%10 ", "%14 ",  "%6=", "%9", "1",    " ",    "=",  ";",    "%%",
        "%lat", "%l", "at",  "%up1", "%up1=", "%u",  "p1", "%v2=", "%v2v", "%v", "%scc", "x"};
    std::string line;
    for (auto pieces = random() % 12; pieces > 0; --pieces)
        line += kPieces[random() % kPieces.size()];
    return line;
}

std::string in_order(std::string_view line, std::span<const Replacement> replacements) {
    std::string text(line), spare;
    replace_in_order(text, replacements, spare);
    return text;
}

TEST(OneWalk, GivesWhatTheReplacementsOneAfterAnotherGive) {
    // The body's placeholders, each numbered or removed at random; a removal
    // of "%upN=" leaves its "=".
    const std::array<std::string_view, 18> kPlaceholders = {
        "%lat",  "%lon", "%ran",  "%sca", "%hea", "%up1=", "%up1", "%up2=", "%up2",
        "%up3=", "%up3", "%up4=", "%up4", "%v1v", "%alt",  "%scc", "%v2=",  "%v2v"};
    std::minstd_rand random(7);
    int walked = 0;
    for (int round = 0; round < 400; ++round) {
        std::array<std::string, 18> texts;
        std::array<Replacement, 18> numbering;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const bool removed = i >= 16 || random() % 3 == 0;
            texts[i] = removed ? "" : "%" + std::to_string(random() % 13 + 1);
            if (kPlaceholders[i].ends_with('='))
                texts[i] += "=";
            numbering[i] = {kPlaceholders[i], texts[i]};
        }
        for (int i = 0; i < 50; ++i) {
            const std::string line = random_line(random);
            SCOPED_TRACE(line);
            std::string renamed = "<";
            ASSERT_TRUE(append_replaced_in_one_walk(line, kRenamingTable, renamed));
            EXPECT_EQ(renamed, "<" + in_order(line, kRenamingTable));
            std::string renumbered = "<";
            if (append_replaced_in_one_walk(line, numbering, renumbered)) {
                EXPECT_EQ(renumbered, "<" + in_order(line, numbering));
                ++walked;
            } else {
                EXPECT_EQ(renumbered, "<"); // left as it was
            }
        }
    }
    // Both ways were taken, the walk most often.
    EXPECT_GT(walked, 10'000);
    EXPECT_LT(walked, 20'000);
}

} // namespace
} // namespace trellwick
