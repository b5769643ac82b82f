#pragma once

// The program's arguments as UTF-8 texts (on Windows from the UTF-16 command
// line, elsewhere the bytes as given), without the program's name.

#include <string>
#include <vector>

namespace trellwick::cli {

std::vector<std::string> command_line_arguments(int argc, char** argv);

} // namespace trellwick::cli
