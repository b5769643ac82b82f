#include "renaming.h"

#include <cstring>

namespace trellwick {
namespace {

// The named token for an API token starting at `at` (which holds "%"), and the
// API token's length; nothing when no pair matches there.
//
// Applying the pairs one after another comes to the same as this single left
// to right pass: every API token starts with "%" followed by a digit and holds
// no other "%", so no two matches overlap, and a named token ("%" followed by
// a letter) can never complete a later pair's API token.
const RenamingPair* match_at(std::string_view line, std::size_t at) {
    const std::string_view rest = line.substr(at);
    if (rest.size() < 3)
        return nullptr;
    for (const RenamingPair& pair : kRenamingTable) {
        // The digit after "%" rules out most pairs before any comparison.
        if (pair.api_token[1] == rest[1] && rest.starts_with(pair.api_token))
            return &pair;
    }
    return nullptr;
}

} // namespace

void rename_placeholders(std::string_view line, std::string& out) {
    out.clear();
    std::size_t copied = 0;
    std::size_t at = 0;
    while (at < line.size()) {
        const void* found = std::memchr(line.data() + at, '%', line.size() - at);
        if (!found)
            break;
        at = static_cast<std::size_t>(static_cast<const char*>(found) - line.data());
        if (const RenamingPair* pair = match_at(line, at)) {
            out.append(line.substr(copied, at - copied));
            out.append(pair->named_token);
            at += pair->api_token.size();
            copied = at;
        } else {
            ++at;
        }
    }
    out.append(line.substr(copied));
}

} // namespace trellwick
