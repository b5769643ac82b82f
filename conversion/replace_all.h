#pragma once

// Text replacement as the conversion defines it: every occurrence, left to
// right, without scanning what was put in; a list of replacements in order,
// each over what the ones before it left.

#include <span>
#include <string>
#include <string_view>

namespace trellwick {

// Replaces every occurrence of `from` in `text` by `to`. `spare` is room for
// the work, kept by the caller so that line after line costs no allocation.
// False, with `text` unchanged, when `from` doesn't occur.
bool replace_all(std::string& text, std::string_view from, std::string_view to, std::string& spare);

// The same, for a text of its own.
std::string replace_all(std::string_view text, std::string_view from, std::string_view to);

struct Replacement {
    std::string_view from; // "%" and at least one more character
    std::string_view to;
};

// Each replacement in turn replaces every occurrence of its `from` in what the
// ones before it left. One whose second character follows no "%" of the text
// as it stands can't occur, and is passed over without a search.
void replace_in_order(std::string& text, std::span<const Replacement> replacements,
                      std::string& spare);

} // namespace trellwick
