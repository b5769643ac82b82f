#pragma once

// The lines of an SCM macro, in the order they are written: lines 1 to 3 by
// the Macro information step, the rest by the User parameters step.

#include "macro_survey.h"
#include "macro_texts.h"

#include <string>
#include <string_view>

namespace trellwick {

class LineReader;
class LineWriter;

// ";Name=<name>, Type=<type>, Bitmap=<bitmap>, \" with every value unchanged.
std::string name_line(std::string_view name, std::string_view type, std::string_view bitmap);

// Lines 1 to 3: ";ASDesign Compatible Macro", the name line and the size line.
void write_header(LineWriter& scm, const MacroTexts& texts, std::string_view size_line);

// Lines 4 on: the parameter lines, the trailer, and a body line for each line
// of `work` (the work file's lines), renumbered. Returns the size of what was
// read, for a comparison with the survey; a read error is left in `work`, a
// write error in `scm`.
MacroSize write_parameters_and_body(const PlaceholderUsage& usage, const MacroTexts& texts,
                                    LineReader& work, LineWriter& scm);

} // namespace trellwick
