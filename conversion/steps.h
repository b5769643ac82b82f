#pragma once

// The three steps of one conversion, each run by a click on the main window:
// Convert (step 1) writes the work file, the Macro information step (step 2)
// surveys it and starts the SCM file, the User parameters step (step 3)
// numbers the placeholders and finishes the file.

#include "conversion_form.h"
#include "host.h"
#include "macro_texts.h"
#include "numeric_locale.h"

#include <filesystem>
#include <string>

namespace trellwick {

struct StepEnvironment {
    // The work file; a relative name resolves against the working directory.
    std::filesystem::path work_file = "macro.temp";
    NumericLocale locale;
};

enum class StepOutcome {
    Stopped,   // a check or a file failed; the user was told why
    Continued, // the next step's frame is shown
    Finished,  // the SCM file is complete and closed
};

// Step 1: checks the paths, asks before overwriting, copies the API macro into
// the work file with its placeholders renamed, proposes name and bitmap.
StepOutcome convert_step(ConversionForm& form, Host& host, const StepEnvironment& environment);

// The name and bitmap proposals of step 1, from `filetitle`.
void propose_name_and_bitmap(ConversionForm& form);

// Whether name, type and bitmap are given, as step 2 requires.
bool macro_information_complete(const ConversionForm& form);
// The name, the type (the chosen caption, or the text of "Other, please
// specify:"), the bitmap and the descriptions, as the SCM file writes them.
MacroTexts macro_texts(const ConversionForm& form);

// Step 2: checks name, type and bitmap, surveys the work file, creates the SCM
// file with lines 1 to 3, and either shows the User parameters frame or
// finishes at once.
StepOutcome macro_information_step(ConversionForm& form, Host& host,
                                   const StepEnvironment& environment);

// Step 3 (the window's `cmd_up_Click`): checks the descriptions, writes the
// parameter lines, the trailer and the renumbered body, and closes both files.
StepOutcome user_parameters_step(ConversionForm& form, Host& host);

} // namespace trellwick
