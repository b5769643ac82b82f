#pragma once

// The placeholder renaming of the Convert step: the API macro's numbered
// placeholders ("%1 " to "%14 ", "%6=" to "%9=") become named placeholders.

#include "digit.h"

#include <array>
#include <string>
#include <string_view>

namespace trellwick {

struct RenamingPair {
    std::string_view api_token;
    std::string_view named_token;
};

// The 18 pairs in the order they are applied. Each token includes the blank or
// "=" that follows the number, so "%1 " never matches inside "%10 ".
inline constexpr std::array<RenamingPair, 18> kRenamingTable{{
    {"%1 ", "%lat "},
    {"%2 ", "%lon "},
    {"%3 ", "%ran "},
    {"%4 ", "%sca "},
    {"%5 ", "%hea "},
    {"%6 ", "%up1 "},
    {"%6=", "%up1="},
    {"%7 ", "%up2 "},
    {"%7=", "%up2="},
    {"%8 ", "%up3 "},
    {"%8=", "%up3="},
    {"%9 ", "%up4 "},
    {"%9=", "%up4="},
    {"%10 ", "%v1v "},
    {"%11 ", "%alt "},
    {"%12 ", "%scc "},
    {"%13 ", "%v2= "},
    {"%14 ", "%v2v "},
}};

// What lines are read: the work file's renamed lines, or the API macro's
// lines, which are renamed as they are read.
enum class MacroLines { Renamed, Numbered };

namespace renaming_detail {

// The pairs by the characters of their API tokens after the "%": a digit and
// " " or "=" ("%1 ", "%6="), or two digits and " " ("%10 "). No two API tokens
// can match at one place, so a "%" is looked up, not compared with pairs.
struct PairsByToken {
    std::array<std::array<const RenamingPair*, 2>, 10> one_digit{}; // [digit][" " or "="]
    std::array<std::array<const RenamingPair*, 10>, 10> two_digits{};
};
inline constexpr PairsByToken kPairsByToken = [] {
    PairsByToken table{};
    for (const RenamingPair& pair : kRenamingTable) {
        const std::string_view token = pair.api_token;
        const auto digit = [&](std::size_t i) {
            return static_cast<std::size_t>(token[i] - '0');
        };
        if (token.size() == 3)
            table.one_digit[digit(1)][token[2] == '=' ? 1 : 0] = &pair;
        else
            table.two_digits[digit(1)][digit(2)] = &pair;
    }
    return table;
}();

} // namespace renaming_detail

// The pair whose API token `text` starts with; nothing when none does. It is
// looked up for every "%" of a macro, twice, so it is written out here.
//
// Applying the pairs one after another comes to the same as a single left to
// right pass: every API token starts with "%" followed by a digit and holds
// no other "%", so no two matches overlap, and a named token ("%" followed by
// a letter) can never complete a later pair's API token.
inline const RenamingPair* renaming_at(std::string_view text) {
    using namespace renaming_detail;
    if (text.size() < 3 || text[0] != '%' || !is_digit(text[1]))
        return nullptr;
    const auto first = static_cast<std::size_t>(text[1] - '0');
    if (text[2] == ' ' || text[2] == '=')
        return kPairsByToken.one_digit[first][text[2] == '=' ? 1 : 0];
    if (text.size() < 4 || !is_digit(text[2]) || text[3] != ' ')
        return nullptr;
    return kPairsByToken.two_digits[first][static_cast<std::size_t>(text[2] - '0')];
}

// One line with every placeholder token renamed: the line itself when it holds
// no "%", otherwise the renamed text in `scratch`.
std::string_view renamed_line(std::string_view line, std::string& scratch);
// The same, appended to what `out` already holds (such as a writer's buffer);
// `lines` may hold many lines with their line ends, since no token holds one.
void append_renamed(std::string_view lines, std::string& out);

} // namespace trellwick
