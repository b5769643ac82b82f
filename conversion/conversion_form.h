#pragma once

// The state of one conversion: what the main window's fields hold, and what
// the steps keep between the clicks. A window reads its widgets into the form,
// runs a step and shows the form back; the command line fills it by itself.
//
// Texts are bytes in the 8-bit code page, as they are written into the files.

#include "placeholder_usage.h"
#include "text_file.h"

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace trellwick {

// One of the four boxes that describe the user parameters "%6" to "%9". A grey
// box belongs to a parameter the macro doesn't use, and may stay empty.
struct DescriptionBox {
    std::string text;
    bool grey = false;
};

// How much of the work file the Macro information step read: the User
// parameters step reads the same file again and must find the same. (The
// command line counts the API macro's lines likewise, as they are read.)
struct WorkFileSize {
    std::size_t lines = 0;
    std::size_t bytes = 0; // without the line ends

    void add(std::size_t line_count, std::size_t line_bytes) {
        lines += line_count;
        bytes += line_bytes;
    }
    friend bool operator==(const WorkFileSize&, const WorkFileSize&) = default;
};

struct ConversionForm {
    std::filesystem::path txt_api; // source API macro
    std::filesystem::path txt_scm; // destination SCM macro
    std::string txt_name;
    std::string txt_bmp;
    std::string txt_typeother;
    std::array<DescriptionBox, 4> txt_up; // txt_up1 to txt_up4
    std::optional<int> opt_asd2t;         // the chosen type, 0 to 16

    bool frm_asd2t_visible = false; // step 2, "Macro information"
    bool frm_up_visible = false;    // step 3, "User parameters"

    // Name without directory of the file last chosen with a browse button.
    std::string filetitle;

    PlaceholderUsage usage;
    WorkFileSize work_size;
    // Open from the end of the Macro information step to the end of the User
    // parameters step.
    std::unique_ptr<LineReader> work_in;
    std::unique_ptr<LineWriter> scm_out;

    bool in_step1() const { return !frm_asd2t_visible && !frm_up_visible; }
};

} // namespace trellwick
