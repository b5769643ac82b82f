#pragma once

// What one macro's survey found, and what its conversion did or would do.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace trellwick::cli {

struct MacroReport {
    std::string label; // how messages name the macro: its API file or a manifest's row
    std::string api;   // UTF-8, as given
    std::string scm;
    std::array<bool, 4> user_parameters{}; // %6 to %9 used in the code
    bool read = false;                     // the macro could be read and surveyed
    std::string size_form;                 // "autoscale", "fixed" or "10 by 10"
    std::string size_line;                 // line 3 of the SCM file, when it can be written
    std::string fallback_reason;           // for "10 by 10"
    std::size_t lines = 0;
    std::vector<std::string> warnings;
    std::vector<std::string> errors; // none: converted, or would be
    // The texts the macro takes, proposed or given (UTF-8), for a manifest.
    std::string name;
    std::string bitmap;
};

} // namespace trellwick::cli
