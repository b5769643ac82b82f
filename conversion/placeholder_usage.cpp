#include "placeholder_usage.h"

#include "byte_finder.h"
#include "short_text.h"

#include <array>
#include <bitset>

namespace trellwick {
namespace {

struct Searched {
    std::string_view text;
    bool PlaceholderUsage::*flag;
};

// "%up1=" needs no entry of its own: wherever it stands, "%up1" stands too,
// at the same place.
constexpr std::array<Searched, 12> kSearched{{
    {"%lat", &PlaceholderUsage::lat},
    {"%lon", &PlaceholderUsage::lon},
    {"%ran", &PlaceholderUsage::ran},
    {"%sca", &PlaceholderUsage::sca},
    {"%hea", &PlaceholderUsage::hea},
    {"%up1", &PlaceholderUsage::up1},
    {"%up2", &PlaceholderUsage::up2},
    {"%up3", &PlaceholderUsage::up3},
    {"%up4", &PlaceholderUsage::up4},
    {"%v1v", &PlaceholderUsage::v1v},
    {"%alt", &PlaceholderUsage::alt},
    {"%scc", &PlaceholderUsage::scc},
}};

// The flag of the placeholder that `text` starts with, if any.
bool PlaceholderUsage::*flag_of(std::string_view text) {
    for (const Searched& searched : kSearched)
        if (begins_with(text, searched.text))
            return searched.flag;
    return nullptr;
}

// For each renaming pair, the flag of its named token.
constexpr auto kFlagOfPair = [] {
    std::array<bool PlaceholderUsage::*, kRenamingTable.size()> flags{};
    for (std::size_t i = 0; i < flags.size(); ++i)
        for (const Searched& searched : kSearched)
            if (kRenamingTable[i].named_token.starts_with(searched.text))
                flags[i] = searched.flag;
    return flags;
}();

// Whether a ";" stands before `at` on its line.
bool in_comment(std::string_view lines, std::size_t at) {
    while (at > 0) {
        const char c = lines[--at];
        if (c == ';')
            return true;
        if (c == '\n')
            return false;
    }
    return false;
}

// The characters after the "%" of the texts that could still set a flag; a
// "%" followed by any other needs no closer look.
std::bitset<256> still_searched(const PlaceholderUsage& usage, MacroLines kind) {
    std::bitset<256> wanted;
    for (const Searched& searched : kSearched)
        if (!(usage.*searched.flag))
            wanted.set(static_cast<unsigned char>(searched.text[1]));
    for (std::size_t i = 0; kind == MacroLines::Numbered && i < kRenamingTable.size(); ++i)
        if (kFlagOfPair[i] && !(usage.*kFlagOfPair[i]))
            wanted.set(static_cast<unsigned char>(kRenamingTable[i].api_token[1]));
    return wanted;
}

} // namespace

bool PlaceholderUsage::user_parameter(int index) const {
    switch (index) {
    case 0:
        return up1;
    case 1:
        return up2;
    case 2:
        return up3;
    default:
        return up4;
    }
}

PlaceholderUsage& PlaceholderUsage::operator|=(const PlaceholderUsage& other) {
    for (const Searched& searched : kSearched)
        this->*searched.flag = this->*searched.flag || other.*searched.flag;
    return *this;
}

void scan_lines(std::string_view lines, MacroLines kind, PlaceholderUsage& usage) {
    // Only the code part counts: a placeholder is used when its first
    // occurrence on a line stands before the line's first ";", that is when
    // it occurs in the code part at all. Every searched text starts with "%"
    // and no two can start at one place, so one walk over the "%" signs finds
    // them all; a flag already set needs no look for the ";".
    const std::bitset<256> wanted = still_searched(usage, kind);
    ByteFinder percents(lines, '%');
    for (auto at = percents.next(0); at != ByteFinder::npos; at = percents.next(at + 1)) {
        if (at + 1 == lines.size() || !wanted.test(static_cast<unsigned char>(lines[at + 1])))
            continue;
        const std::string_view text = lines.substr(at);
        bool PlaceholderUsage::*flag = nullptr;
        const RenamingPair* pair = kind == MacroLines::Numbered ? renaming_at(text) : nullptr;
        if (pair)
            flag = kFlagOfPair[static_cast<std::size_t>(pair - kRenamingTable.data())];
        else
            flag = flag_of(text);
        if (flag && !(usage.*flag) && !in_comment(lines, at))
            usage.*flag = true;
    }
}

} // namespace trellwick
