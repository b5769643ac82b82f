#pragma once

// The command line of trellwick-convert, parsed but not yet interpreted: texts
// stay as typed (UTF-8), file names as given.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trellwick::cli {

inline constexpr std::string_view kProgramName = "trellwick-convert";

struct Options {
    std::optional<std::string> type;       // one of the captions, in any case
    std::optional<std::string> other_type; // a type of the user's own
    std::optional<std::string> name;
    std::optional<std::string> bitmap;
    std::array<std::optional<std::string>, 4> descriptions; // --param 1 to 4
    std::optional<std::string> output_dir;
    std::optional<std::string> manifest;       // convert the rows of this CSV file
    std::optional<std::string> write_manifest; // with --survey: write this CSV file
    std::vector<std::string> files;            // API_FILE SCM_FILE, or API files and folders
    bool recursive = false;
    bool survey = false;
    bool json = false;
    bool force = false;
    bool quiet = false;
    bool verbose = false;
};

struct ParsedOptions {
    Options options;
    std::string error;  // empty when the command line is usable
    std::string output; // the help or version text, when one was asked for
};

// Parses the arguments after the program's name and checks what the options
// need of each other. --help (-h) and --version (-V) give their text in
// `output`.
ParsedOptions parse_options(const std::vector<std::string>& arguments);

} // namespace trellwick::cli
