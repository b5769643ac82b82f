#pragma once

// The survey's report: a table to read, or JSON for scripts.

#include "cli/report.h"

#include <ostream>
#include <vector>

namespace trellwick::cli {

// A row per macro (its user parameters, the size line's form, its line count
// and its SCM file), its warnings and problems below it, and a last line with
// how many would convert.
void print_survey_table(const std::vector<MacroReport>& reports, std::ostream& out);

// The same as one JSON object.
void print_survey_json(const std::vector<MacroReport>& reports, std::ostream& out);

} // namespace trellwick::cli
