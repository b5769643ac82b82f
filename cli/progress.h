#pragma once

// What a run tells on standard error: the progress of a batch, and at its end
// how many macros were converted, each that failed with its reasons, and each
// that got a warning.

#include "cli/jobs.h"
#include "cli/report.h"

#include <cstddef>
#include <ostream>
#include <string_view>
#include <vector>

namespace trellwick::cli {

struct Telling {
    bool terminal = false; // standard error is a terminal
    bool quiet = false;
    bool verbose = false;
};

class Progress {
public:
    Progress(std::ostream& err, std::size_t total, Telling telling)
        : err_(err), total_(total), telling_(telling) {}
    // Before the macro numbered `index` (from 0): on a terminal one line
    // rewritten in place, with --verbose a line of its own.
    void next(std::size_t index, const Job& job);
    // Wipes the line before anything else is written.
    void clear();

private:
    std::ostream& err_;
    std::size_t total_;
    Telling telling_;
    std::size_t shown_ = 0; // the width of the line on the terminal
};

// "trellwick-convert: LABEL: problem" for each problem and warning of the
// reports, after a line with the count converted (not when a --quiet run
// converted all).
void tell_outcome(const std::vector<MacroReport>& reports, bool batch, Telling telling,
                  std::ostream& err);

} // namespace trellwick::cli
