#include "replace_all.h"

#include <bitset>
#include <utility>

namespace trellwick {
namespace {

// The characters that follow a "%" somewhere in the text.
std::bitset<256> after_percent(std::string_view text) {
    std::bitset<256> seen;
    for (std::size_t at = 0; at + 1 < text.size(); ++at)
        if (text[at] == '%')
            seen[static_cast<unsigned char>(text[at + 1])] = true;
    return seen;
}

} // namespace

bool replace_all(std::string& text, std::string_view from, std::string_view to,
                 std::string& spare) {
    const std::string_view old = text;
    std::size_t at = old.find(from);
    if (at == std::string_view::npos)
        return false;
    spare.clear();
    std::size_t copied = 0;
    for (; at != std::string_view::npos; at = old.find(from, copied)) {
        spare.append(old.substr(copied, at - copied)).append(to);
        copied = at + from.size();
    }
    spare.append(old.substr(copied));
    std::swap(text, spare);
    return true;
}

std::string replace_all(std::string_view text, std::string_view from, std::string_view to) {
    std::string result(text);
    std::string spare;
    replace_all(result, from, to, spare);
    return result;
}

void replace_in_order(std::string& text, std::span<const Replacement> replacements,
                      std::string& spare) {
    std::bitset<256> seen = after_percent(text);
    for (const Replacement& replacement : replacements) {
        if (seen[static_cast<unsigned char>(replacement.from[1])] &&
            replace_all(text, replacement.from, replacement.to, spare))
            seen = after_percent(text);
    }
}

} // namespace trellwick
