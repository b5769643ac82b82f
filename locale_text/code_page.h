#pragma once

// Texts that go into the SCM and settings files are one byte per character in
// the system's 8-bit code page: the ANSI code page on Windows, Windows-1252
// elsewhere (the code page of the systems where ASD reads these files).

#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace trellwick {

// Nothing when a character can't be held by the code page.
std::optional<std::string> to_code_page(const QString& text);
QString from_code_page(std::string_view bytes);

// Paths as the file system spells them.
std::filesystem::path to_path(const QString& text);
QString from_path(const std::filesystem::path& path);

} // namespace trellwick
