#pragma once

// Text in the system's 8-bit code page (the ANSI code page on Windows,
// Windows-1252 elsewhere), turned into file names, into the UTF-8 of messages
// and back, without Qt.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace trellwick {

// The code page's name for messages.
std::string_view code_page_name();

// On Windows the bytes go to the file system through the ANSI code page, as
// typed. Elsewhere the text is Windows-1252 and the file system spells names in
// UTF-8, so each byte is converted: "caf\xE9" names the directory "café".
std::filesystem::path path_from_code_page(std::string_view bytes);

// For quoting the macro's text in a message: "caf\xE9" becomes "café".
std::string code_page_to_utf8(std::string_view bytes);

// The text in the code page; nothing when it is no UTF-8 or holds a character
// that the code page lacks.
std::optional<std::string> utf8_to_code_page(std::string_view utf8);

} // namespace trellwick
