#include "files/file_access.h"
#include "files/file_checks.h"
#include "macro_survey.h"
#include "macro_types.h"
#include "messages.h"
#include "scm_layout.h"
#include "steps.h"

#include <string>

namespace trellwick {
namespace {

// What the reading of the work file found, before anything is written.
struct Survey {
    PlaceholderUsage usage;
    MacroSize size;
    std::string size_line;
};

// Opens the work file again at its first line.
std::unique_ptr<LineReader> reopen(const std::filesystem::path& work, std::string& error) {
    OpenedReader opened = open_text_file(work);
    error = opened.error;
    return std::move(opened.reader);
}

// The measurement, the placeholder scan and, for a macro without "%sca", the
// reference point's scale, all found in one reading. Everything that can fail
// while reading the work file fails here, before the SCM file is touched.
std::string survey_work_file(const StepEnvironment& environment, Host& host, Survey& survey) {
    std::string error;
    auto work = reopen(environment.work_file, error);
    if (!work)
        return error;
    MacroSurvey macro(environment.locale);
    if (error = macro.read(*work); !error.empty())
        return error;
    const Extent extent = macro.extent();
    if (extent.fell_back)
        host.warn(std::string(kSizeFallbackMessage));
    MacroSurvey::SizeLine size_line = macro.size_line(extent, work->name());
    survey = {macro.usage(), macro.size(), std::move(size_line.line)};
    return size_line.error;
}

} // namespace

bool macro_information_complete(const ConversionForm& form) {
    if (form.txt_bmp.empty() || form.txt_name.empty() || !form.opt_asd2t)
        return false;
    return !(*form.opt_asd2t == kOtherTypeIndex && form.txt_typeother.empty());
}

MacroTexts macro_texts(const ConversionForm& form) {
    const int type = form.opt_asd2t.value_or(kOtherTypeIndex);
    return {form.txt_name,
            type == kOtherTypeIndex
                ? form.txt_typeother
                : std::string(kMacroTypeCaptions.at(static_cast<std::size_t>(type))),
            form.txt_bmp, form.txt_up};
}

StepOutcome macro_information_step(ConversionForm& form, Host& host,
                                   const StepEnvironment& environment) {
    if (!macro_information_complete(form)) {
        host.warn(std::string(kFillAllFieldsMessage));
        return StepOutcome::Stopped;
    }
    if (form.txt_scm.empty()) {
        host.warn(std::string(kSelectFilesMessage));
        return StepOutcome::Stopped;
    }
    if (same_file(form.txt_scm, environment.work_file)) {
        host.warn("Cannot write " + display_path(form.txt_scm) +
                  ": it is the work file that the conversion reads");
        return StepOutcome::Stopped;
    }
    if (const std::string refusal = destination_is_source(form.txt_api, form.txt_scm);
        !refusal.empty()) {
        host.warn(refusal);
        return StepOutcome::Stopped;
    }

    // The survey, then the work file opened again for step 3.
    Survey survey;
    std::string error = survey_work_file(environment, host, survey);
    std::unique_ptr<LineReader> work_in;
    if (error.empty())
        work_in = reopen(environment.work_file, error);
    if (!work_in) {
        host.warn(error);
        return StepOutcome::Stopped;
    }
    OpenedWriter scm = create_text_file(form.txt_scm);
    if (!scm.writer) {
        host.warn(scm.error);
        return StepOutcome::Stopped;
    }
    write_header(*scm.writer, macro_texts(form), survey.size_line);
    if (const std::string write_error = scm.writer->flush(); !write_error.empty()) {
        scm.writer.reset();
        remove_incomplete(form.txt_scm);
        host.warn(write_error);
        return StepOutcome::Stopped;
    }

    // Boxes of used parameters lose their grey, so that a box greyed in an
    // earlier conversion can't let an empty description through.
    form.usage = survey.usage;
    form.work_size = survey.size;
    form.work_in = std::move(work_in);
    form.scm_out = std::move(scm.writer);
    if (form.usage->any_user_parameter()) {
        form.step = Step::UserParameters;
        return StepOutcome::Continued;
    }
    form.step = Step::Convert;
    return user_parameters_step(form, host);
}

} // namespace trellwick
