#pragma once

namespace trellwick {

// Whether `c` is one of the ASCII digits 0 to 9, whatever the C locale says.
inline bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace trellwick
