#include "renaming.h"

#include <cstring>

namespace trellwick {
namespace {

// The pairs by the characters of their API tokens after the "%": a digit and
// " " or "=" ("%1 ", "%6="), or two digits and " " ("%10 "). No two API tokens
// can match at one place, so a "%" is looked up, not compared with pairs.
struct PairsByToken {
    std::array<std::array<const RenamingPair*, 2>, 10> one_digit{}; // [digit][" " or "="]
    std::array<std::array<const RenamingPair*, 10>, 10> two_digits{};
};
constexpr PairsByToken kPairsByToken = [] {
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

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// The pair whose API token starts at `at` (which holds "%"), if any.
//
// Applying the pairs one after another comes to the same as a single left to
// right pass: every API token starts with "%" followed by a digit and holds
// no other "%", so no two matches overlap, and a named token ("%" followed by
// a letter) can never complete a later pair's API token.
const RenamingPair* match_at(const char* at, const char* end) {
    if (end - at < 3 || !is_digit(at[1]))
        return nullptr;
    const auto first = static_cast<std::size_t>(at[1] - '0');
    if (at[2] == ' ' || at[2] == '=')
        return kPairsByToken.one_digit[first][at[2] == '=' ? 1 : 0];
    if (end - at < 4 || !is_digit(at[2]) || at[3] != ' ')
        return nullptr;
    return kPairsByToken.two_digits[first][static_cast<std::size_t>(at[2] - '0')];
}

} // namespace

const RenamingPair* renaming_at(std::string_view text) {
    return match_at(text.data(), text.data() + text.size());
}

std::string_view renamed_line(std::string_view line, std::string& scratch) {
    // Most lines hold no "%" at all: they are used as they are, uncopied.
    if (line.empty() || std::memchr(line.data(), '%', line.size()) == nullptr)
        return line;
    scratch.clear();
    append_renamed(line, scratch);
    return scratch;
}

void append_renamed(std::string_view line, std::string& out) {
    const char* const end = line.data() + line.size();
    const char* copied = line.data();
    const char* at = line.data();
    while (at != end) {
        const void* found = std::memchr(at, '%', static_cast<std::size_t>(end - at));
        if (!found)
            break;
        at = static_cast<const char*>(found);
        if (const RenamingPair* pair = match_at(at, end)) {
            out.append(copied, static_cast<std::size_t>(at - copied)).append(pair->named_token);
            at += pair->api_token.size();
            copied = at;
        } else {
            ++at;
        }
    }
    out.append(copied, static_cast<std::size_t>(end - copied));
}

} // namespace trellwick
