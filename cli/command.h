#pragma once

// The whole of trellwick-convert, apart from where its arguments and locale
// come from.

#include "conversion/numeric_locale.h"

#include <ostream>
#include <string>
#include <vector>

namespace trellwick::cli {

inline constexpr int kExitConverted = 0; // every file converted, warnings allowed
inline constexpr int kExitFailed = 1;    // some file was not converted
inline constexpr int kExitUsage = 2;     // wrong usage; nothing was converted

// Runs the command line `arguments` (without the program's name) with the
// given number format; --help and --version go to `out`, everything else to
// `err`. Returns the exit status.
int run_command_line(const std::vector<std::string>& arguments, const NumericLocale& locale,
                     std::ostream& out, std::ostream& err);

} // namespace trellwick::cli
