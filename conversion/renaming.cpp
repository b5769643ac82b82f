#include "renaming.h"

#include "short_text.h"

#include <cstring>

namespace trellwick {
namespace {

// For each digit, the pairs whose API token has it after the "%", in the
// table's order: a "%" is then compared with at most six pairs, not eighteen.
struct PairsWithDigit {
    std::array<const RenamingPair*, kRenamingTable.size()> pairs{};
    std::size_t count = 0;
};
constexpr std::array<PairsWithDigit, 10> kPairsByDigit = [] {
    std::array<PairsWithDigit, 10> by_digit{};
    for (const RenamingPair& pair : kRenamingTable) {
        PairsWithDigit& entry = by_digit[static_cast<std::size_t>(pair.api_token[1] - '0')];
        entry.pairs[entry.count++] = &pair;
    }
    return by_digit;
}();

// The named token for an API token starting at `at` (which holds "%"), and the
// API token's length; nothing when no pair matches there.
//
// Applying the pairs one after another comes to the same as this single left
// to right pass: every API token starts with "%" followed by a digit and holds
// no other "%", so no two matches overlap, and a named token ("%" followed by
// a letter) can never complete a later pair's API token.
const RenamingPair* match_at(const char* at, const char* end) {
    if (end - at < 3 || at[1] < '0' || at[1] > '9')
        return nullptr;
    const PairsWithDigit& candidates = kPairsByDigit[static_cast<std::size_t>(at[1] - '0')];
    const std::string_view rest(at, static_cast<std::size_t>(end - at));
    for (std::size_t i = 0; i < candidates.count; ++i)
        if (begins_with(rest, candidates.pairs[i]->api_token))
            return candidates.pairs[i];
    return nullptr;
}

} // namespace

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
