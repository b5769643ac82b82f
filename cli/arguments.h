#pragma once

// The program's arguments as UTF-8 texts, and the files that a wildcard names.

#include <filesystem>
#include <string>
#include <vector>

namespace trellwick::cli {

// The arguments without the program's name: on Windows from the UTF-16
// command line, elsewhere the bytes as given.
std::vector<std::string> command_line_arguments(int argc, char** argv);

// A file name given as UTF-8 text, as an argument or a manifest's field, as
// the file system spells it.
std::filesystem::path path_from_argument(const std::string& argument);

// The files and folders that a file argument names. On Windows, whose shells
// pass "*" and "?" on as typed, a last part that holds them names every
// match, sorted (the argument itself when nothing matches); elsewhere the
// shell has expanded them already, and a name may hold them.
std::vector<std::filesystem::path> expand_wildcards(const std::string& argument);

} // namespace trellwick::cli
