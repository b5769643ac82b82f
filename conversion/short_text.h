#pragma once

// Comparisons of the few bytes of a placeholder, written out so that they
// cost no library call: they run for every "%" of every line.

#include <cstddef>
#include <string_view>

namespace trellwick {

inline bool begins_with(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (text[i] != prefix[i])
            return false;
    return true;
}

} // namespace trellwick
