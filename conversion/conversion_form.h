#pragma once

// The state of one conversion: what the main window's fields hold, and what
// the steps keep between the clicks. A window reads its widgets into the form,
// runs a step and shows the form back.
//
// Texts are bytes in the 8-bit code page, as they are written into the files.

#include "files/text_file.h"
#include "macro_survey.h"
#include "placeholder_usage.h"

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace trellwick {

// Which frame the window shows: none in step 1, "Macro information" in step 2,
// "User parameters" in step 3.
enum class Step { Convert, MacroInformation, UserParameters };

struct ConversionForm {
    std::filesystem::path txt_api; // source API macro
    std::filesystem::path txt_scm; // destination SCM macro
    std::string txt_name;
    std::string txt_bmp;
    std::string txt_typeother;
    std::array<std::string, 4> txt_up; // descriptions of user parameters 1 to 4
    std::optional<int> opt_asd2t;      // the chosen type, 0 to 16

    Step step = Step::Convert;

    // Name without directory of the file last chosen with a browse button.
    std::string filetitle;

    // What the Macro information step found; nothing before its first run.
    std::optional<PlaceholderUsage> usage;
    MacroSize work_size;
    // Open from the end of the Macro information step to the end of the User
    // parameters step.
    std::unique_ptr<LineReader> work_in;
    std::unique_ptr<LineWriter> scm_out;

    // A description box is grey when the macro surveyed last doesn't use its
    // parameter: it may then stay empty. No box is grey before the first
    // survey.
    bool description_grey(std::size_t index) const {
        return usage && !usage->user_parameter(static_cast<int>(index));
    }
};

} // namespace trellwick
