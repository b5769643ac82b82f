#include "files/file_access.h"
#include "files/file_checks.h"
#include "messages.h"
#include "scm_layout.h"
#include "steps.h"

#include <string>

namespace trellwick {
namespace {

bool descriptions_complete(const ConversionForm& form) {
    for (std::size_t i = 0; i < form.txt_up.size(); ++i)
        if (form.txt_up[i].empty() && !form.description_grey(i))
            return false;
    return true;
}

// Lines 4 on: parameter lines, trailer and the renumbered body.
std::string finish_scm_file(ConversionForm& form) {
    LineWriter& scm = *form.scm_out;
    LineReader& work = *form.work_in;
    const MacroSize size = write_parameters_and_body(*form.usage, macro_texts(form), work, scm);
    std::string error;
    if (work.failed())
        error = read_error(work);
    else if (size != form.work_size)
        error = "Cannot finish " + display_path(scm.path()) + ": the work file " + work.name() +
                " changed after the Macro information step";
    form.work_in.reset();
    const std::string write_error = scm.close();
    form.scm_out.reset();
    return error.empty() ? write_error : error;
}

} // namespace

StepOutcome user_parameters_step(ConversionForm& form, Host& host) {
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
        form.step = Step::MacroInformation;
        host.warn(error);
        return StepOutcome::Stopped;
    }

    form.step = Step::Convert;
    form.txt_scm.clear();
    form.txt_api.clear();
    return StepOutcome::Finished;
}

} // namespace trellwick
