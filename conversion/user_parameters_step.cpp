#include "file_checks.h"
#include "messages.h"
#include "numbering.h"
#include "steps.h"

#include <string>

namespace trellwick {
namespace {

bool descriptions_complete(const ConversionForm& form) {
    for (const DescriptionBox& box : form.txt_up)
        if (box.text.empty() && !box.grey)
            return false;
    return true;
}

// Lines 4 on: parameter lines, trailer and the renumbered body.
std::string finish_scm_file(ConversionForm& form) {
    std::array<std::string, 4> descriptions;
    for (std::size_t i = 0; i < descriptions.size(); ++i)
        descriptions[i] = form.txt_up[i].text;
    Numbering numbering(form.usage, descriptions);

    LineWriter& scm = *form.scm_out;
    LineReader& work = *form.work_in;
    const WorkFileSize size = write_parameters_and_body(numbering, work, MacroLines::Renamed, scm);
    std::string error;
    if (work.failed())
        error = "Cannot read " + work.name() + ": " + work.error();
    else if (size != form.work_size)
        error = "Cannot finish " + display_path(scm.path()) + ": the work file " + work.name() +
                " changed after the Macro information step";
    form.work_in.reset();
    const std::string write_error = scm.close();
    form.scm_out.reset();
    return error.empty() ? write_error : error;
}

} // namespace

StepOutcome cmd_up_Click(ConversionForm& form, Host& host) {
    if (!descriptions_complete(form)) {
        host.warn(std::string(kFillAllFieldsMessage));
        return StepOutcome::Stopped;
    }
    // Step 2 opens the work file and the SCM file together.
    if (!form.scm_out)
        return StepOutcome::Stopped;

    // The file as it was created: the path field may have been edited since.
    const std::filesystem::path destination = form.scm_out->path();
    if (const std::string error = finish_scm_file(form); !error.empty()) {
        // Nothing half-written stays behind; the user can continue from the
        // Macro information step again once the problem is mended.
        remove_incomplete(destination);
        form.frm_up_visible = false;
        form.frm_asd2t_visible = true;
        host.warn(error);
        return StepOutcome::Stopped;
    }

    form.frm_up_visible = false;
    form.txt_scm.clear();
    form.txt_api.clear();
    return StepOutcome::Finished;
}

} // namespace trellwick
