#include "files/file_access.h"
#include "files/file_checks.h"
#include "messages.h"
#include "renaming.h"
#include "replace_all.h"
#include "steps.h"

#include <string>

namespace trellwick {
namespace {

// Copies the API macro into the work file with its placeholders renamed. The
// lines go to a file beside the work file that replaces it only once it is
// complete, so a failure leaves the previous work file as it was.
std::string write_work_file(const std::filesystem::path& api, const std::filesystem::path& work) {
    std::filesystem::path partial = work;
    partial += ".part";
    if (same_file(api, work) || same_file(api, partial))
        return "Cannot convert " + display_path(api) +
               ": it is the work file that the conversion writes";

    OpenedReader source = open_api_macro(api);
    if (!source.reader)
        return source.error;
    OpenedWriter target = create_text_file(partial);
    if (!target.writer)
        return target.error;

    std::string_view line;
    while (source.reader->read_line(line))
        target.writer->write_line(line);
    std::string error;
    if (source.reader->failed())
        error = read_error(*source.reader);
    source.reader.reset();
    const std::string write_error = target.writer->close();
    if (error.empty())
        error = write_error;
    if (error.empty()) {
        std::error_code rename_error;
        std::filesystem::rename(partial, work, rename_error);
        if (rename_error)
            error = "Cannot replace " + display_path(work) + ": " + rename_error.message();
    }
    if (!error.empty())
        remove_incomplete(partial);
    return error;
}

} // namespace

void propose_name_and_bitmap(ConversionForm& form) {
    const std::string& title = form.filetitle;
    if (title.find(".api") != std::string::npos)
        form.txt_bmp = replace_all(title, ".api", ".bmp");
    if (title.find(".scm") != std::string::npos)
        form.txt_bmp = replace_all(title, ".scm", ".bmp");
    form.txt_name = title.substr(0, title.find('.'));
}

StepOutcome convert_step(ConversionForm& form, Host& host, const StepEnvironment& environment) {
    host.close_preferences();

    // A conversion held open in step 3 is dropped: both files are closed and
    // the window goes on as from step 1.
    form.work_in.reset();
    form.scm_out.reset();
    if (form.step == Step::UserParameters)
        form.step = Step::Convert;

    if (const std::string refusal = destination_is_source(form.txt_api, form.txt_scm);
        !refusal.empty()) {
        host.warn(refusal);
        return StepOutcome::Stopped;
    }
    if (can_open_for_reading(form.txt_scm) &&
        !host.confirm_overwrite(std::string(kOverwriteQuestion)))
        form.txt_scm.clear();

    if (form.txt_api.empty() || form.txt_scm.empty()) {
        host.warn(std::string(kSelectFilesMessage));
        return StepOutcome::Stopped;
    }

    if (const std::string error = write_work_file(form.txt_api, environment.work_file);
        !error.empty()) {
        host.warn(error);
        return StepOutcome::Stopped;
    }

    propose_name_and_bitmap(form);
    form.step = Step::MacroInformation;
    return StepOutcome::Continued;
}

} // namespace trellwick
