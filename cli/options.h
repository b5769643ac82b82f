#pragma once

// The command line of trellwick-convert, parsed but not yet interpreted: texts
// stay as typed (UTF-8), file names as given.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trellwick::cli {

inline constexpr std::string_view kProgramName = "trellwick-convert";

struct Options {
    std::optional<std::string> type;
    std::optional<std::string> name;
    std::optional<std::string> bitmap;
    std::array<std::optional<std::string>, 4> descriptions; // --param 1 to 4
    std::optional<std::string> output_dir;
    std::vector<std::string> files; // API_FILE SCM_FILE, or the API files with --output-dir
    bool force = false;
    bool quiet = false;
    bool help = false;
    bool version = false;
};

struct ParsedOptions {
    Options options;
    std::string error; // empty when the command line is usable
};

// Parses the arguments after the program's name. --help (-h) and --version (-V)
// end the parsing at once; otherwise the result is checked for everything a
// run needs.
ParsedOptions parse_options(const std::vector<std::string>& arguments);

// What --help prints.
std::string usage_text();

// A file name argument as the file system spells it (UTF-8 on Windows, where
// the arguments are converted from UTF-16; the bytes as given elsewhere).
std::filesystem::path path_from_argument(const std::string& argument);

} // namespace trellwick::cli
