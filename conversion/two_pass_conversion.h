#pragma once

// One API macro converted straight into an SCM file, without a work file: the
// macro is read twice, renamed as it is read (open_api_macro), so that both
// readings see the work file's lines. The first reading is the survey
// (MacroSurvey::read); the second writes the SCM file with the same code as
// the window's steps 2 and 3.

#include "macro_survey.h"
#include "macro_texts.h"

#include <string>
#include <string_view>

namespace trellwick {

class LineReader;
class LineWriter;

// The second reading, from the macro's first line again: lines 1 to 3
// (`size_line` is the survey's), the parameter lines, the trailer and the
// body, flushed to the file. An empty text, or what went wrong; a macro that
// changed since the survey is refused.
std::string write_scm_file(LineReader& api, const MacroSurvey& survey, std::string_view size_line,
                           const MacroTexts& texts, LineWriter& scm);

} // namespace trellwick
