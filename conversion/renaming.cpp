#include "renaming.h"

#include <cstring>

namespace trellwick {

std::string_view renamed_line(std::string_view line, std::string& scratch) {
    // Most lines hold no "%" at all: they are used as they are, uncopied.
    if (line.find('%') == std::string_view::npos)
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
        if (const RenamingPair* pair =
                renaming_at(std::string_view(at, static_cast<std::size_t>(end - at)))) {
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
