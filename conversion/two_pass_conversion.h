#pragma once

// One API macro converted straight into an SCM file, without a work file: the
// first reading surveys each line as it would be renamed, the second renames
// and renumbers each line in one walk and writes it. The SCM file is byte for byte the one
// that the window's three steps write from the work file.

#include "macro_survey.h"

#include <array>
#include <string>

namespace trellwick {

class LineReader;
class LineWriter;

// What the window's fields hold in steps 2 and 3.
struct ScmTexts {
    std::string name;
    std::string type;
    std::string bitmap;
    std::array<std::string, 4> descriptions; // of the user parameters that are used
};

// The first reading is MacroSurvey::read with MacroLines::Numbered. The second
// reading, from the API macro's first line again: lines 1 to 3
// (`size_line` is the survey's), the parameter lines, the trailer and the
// body, flushed to the file. An empty text, or what went wrong; a macro that
// changed since the survey is refused.
std::string write_scm_file(LineReader& api, const MacroSurvey& survey, const std::string& size_line,
                           const ScmTexts& texts, LineWriter& scm);

} // namespace trellwick
