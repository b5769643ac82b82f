#pragma once

// Text in the system's 8-bit code page, turned into file names and into the
// UTF-8 of messages, without Qt.

#include <filesystem>
#include <string>
#include <string_view>

namespace trellwick {

// On Windows the bytes go to the file system through the ANSI code page, as
// typed. Elsewhere the text is Windows-1252 and the file system spells names in
// UTF-8, so each byte is converted: "caf\xE9" names the directory "café".
std::filesystem::path path_from_code_page(std::string_view bytes);

// For quoting the macro's text in a message: "caf\xE9" becomes "café".
std::string code_page_to_utf8(std::string_view bytes);

} // namespace trellwick
