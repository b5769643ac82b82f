#pragma once

#include <string>
#include <string_view>

namespace trellwick {

// The text with every occurrence of `from` replaced by `to`, left to right,
// without scanning what was put in.
std::string replace_all(std::string_view text, std::string_view from, std::string_view to);

} // namespace trellwick
