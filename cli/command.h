#pragma once

// The whole of trellwick-convert, apart from where its arguments, locale and
// terminal come from.

#include "conversion/numeric_locale.h"

#include <ostream>
#include <string>
#include <vector>

namespace trellwick::cli {

inline constexpr int kExitConverted = 0; // every macro converted (or would be), warnings allowed
inline constexpr int kExitFailed = 1;    // a macro was not converted (or would not be)
inline constexpr int kExitUsage = 2;     // wrong usage; nothing was converted

// Runs the command line `arguments` (without the program's name) with the
// given number format. The help, the version and a survey's report go to
// `out`; everything else to `err`, which is a terminal when `terminal` is set.
// Returns the exit status.
int run_command_line(const std::vector<std::string>& arguments, const NumericLocale& locale,
                     std::ostream& out, std::ostream& err, bool terminal = false);

} // namespace trellwick::cli
