#pragma once

// File names from text in the system's 8-bit code page, without Qt.

#include <filesystem>
#include <string_view>

namespace trellwick {

// On Windows the bytes go to the file system through the ANSI code page, as
// typed. Elsewhere the text is Windows-1252 and the file system spells names in
// UTF-8, so each byte is converted: "caf\xE9" names the directory "café".
std::filesystem::path path_from_code_page(std::string_view bytes);

} // namespace trellwick
