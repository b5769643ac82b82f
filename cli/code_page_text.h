#pragma once

// The command line's texts in the 8-bit code page of the SCM file: Windows-1252,
// on Windows the ANSI code page, as the window writes them.

#include "conversion/numeric_locale.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace trellwick::cli {

// The code page's name for messages.
std::string_view code_page_name();

// Nothing when the text is no UTF-8 or holds a character the code page lacks.
std::optional<std::string> utf8_to_code_page(std::string_view utf8);

// The name without directory of a file, in the code page; nothing when the
// code page can't hold it.
std::optional<std::string> file_name_in_code_page(const std::filesystem::path& path);

// The number format of the environment (LC_ALL, LC_NUMERIC, LANG), as the
// window takes it: the first character of each separator, when the code page
// holds it in one byte, else "." and ","; never the same for both.
NumericLocale system_numeric_locale();

} // namespace trellwick::cli
