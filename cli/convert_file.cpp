#include "cli/convert_file.h"

#include "cli/code_page_text.h"
#include "cli/destination.h"
#include "cli/staged_file.h"
#include "conversion/messages.h"
#include "conversion/renaming.h"
#include "conversion/steps.h"
#include "conversion/two_pass_conversion.h"
#include "files/file_access.h"
#include "files/text_file.h"

#include <system_error>

namespace trellwick::cli {
namespace {

// The messages name the macro as they would name the window's work file.
constexpr std::string_view kConvertedMacro = "the converted macro";

// One API file converted, reporting under that file's name.
class FileConversion {
public:
    FileConversion(const FileJob& job, const ConversionSettings& settings, Diagnostics& diagnostics)
        : job_(job), settings_(settings), diagnostics_(diagnostics), label_(path_text(job.api)),
          survey_(settings.locale) {}

    // True when the SCM file is complete and in place.
    bool run(const std::filesystem::path& target);

private:
    bool fail(std::string_view problem) {
        diagnostics_.error(label_, problem);
        return false;
    }
    bool take_proposals(const std::optional<std::string>& title);
    bool descriptions_given();
    bool write(const std::filesystem::path& target, LineReader& api, const std::string& size_line);

    const FileJob& job_;
    const ConversionSettings& settings_;
    Diagnostics& diagnostics_;
    std::string label_;
    ConversionForm form_;
    MacroSurvey survey_;
};

// The name and bitmap: given on the command line, or the window's proposals
// from the API file's name.
bool FileConversion::take_proposals(const std::optional<std::string>& title) {
    const std::string file_name = path_text(job_.api.filename());
    const std::string code_page(code_page_name());
    form_.filetitle = title.value_or("");
    propose_name_and_bitmap(form_);
    if (settings_.texts.name) {
        form_.txt_name = *settings_.texts.name;
    } else if (!title) {
        return fail("no macro name can be proposed: " + code_page + " can't hold the name \"" +
                    file_name + "\"; give --name");
    } else if (form_.txt_name.empty()) {
        return fail("no macro name can be proposed from \"" + file_name + "\"; give --name");
    }
    if (settings_.texts.bitmap) {
        form_.txt_bmp = *settings_.texts.bitmap;
    } else if (!title) {
        return fail("no bitmap name can be proposed: " + code_page + " can't hold the name \"" +
                    file_name + "\"; give --bitmap");
    } else if (form_.txt_bmp.empty()) {
        return fail("no bitmap name can be proposed from \"" + file_name +
                    "\" (it holds neither \".api\" nor \".scm\"); give --bitmap");
    }
    form_.opt_asd2t = settings_.texts.type_index;
    form_.txt_typeother = settings_.texts.type_other;
    if (!macro_information_complete(form_))
        return fail(kFillAllFieldsMessage);
    return true;
}

// The window's "Please make sure you have filled in all fields" for the
// descriptions of the user parameters that the macro uses.
bool FileConversion::descriptions_given() {
    bool given = true;
    int i = -1;
    for (const auto& description : settings_.texts.descriptions) {
        ++i;
        if (!survey_.usage().user_parameter(i) || (description && !description->empty()))
            continue;
        const std::string number = std::to_string(i + 1);
        fail("user parameter " + number + " (%" + std::to_string(i + 6) + ") is used but has " +
             (description ? "an empty" : "no") + " --param description");
        given = false;
    }
    return given;
}

bool FileConversion::write(const std::filesystem::path& target, LineReader& api,
                           const std::string& size_line) {
    StagedFile::Created staged = StagedFile::create(target);
    if (!staged.file)
        return fail(staged.error);
    for (std::size_t i = 0; i < form_.txt_up.size(); ++i)
        form_.txt_up[i] = settings_.texts.descriptions[i].value_or("");
    const MacroTexts texts = macro_texts(form_);

    LineWriter scm(staged.file->take_stream(), target);
    std::string error = write_scm_file(api, survey_, size_line, texts, scm);
    const std::string close_error = scm.close();
    if (error.empty())
        error = close_error;
    if (!error.empty())
        return fail(error);

    // A destination that appeared while the file was converted is replaced
    // only with --force.
    if (const std::string put_error = staged.file->put_in_place(settings_.force);
        !put_error.empty())
        return fail(put_error);
    return true;
}

bool FileConversion::run(const std::filesystem::path& target) {
    OpenedReader api = open_api_macro(job_.api);
    if (!api.reader)
        return fail(api.error);
    if (const std::string error = survey_.read(*api.reader); !error.empty())
        return fail(error);
    if (!take_proposals(file_name_in_code_page(job_.api)))
        return false;

    const Extent extent = survey_.extent();
    if (extent.fell_back)
        diagnostics_.warning(label_, kSizeFallbackMessage);
    const MacroSurvey::SizeLine size_line = survey_.size_line(extent, kConvertedMacro);
    if (!size_line.error.empty())
        return fail(size_line.error);
    if (!descriptions_given())
        return false;
    return write(target, *api.reader, size_line.line);
}

} // namespace

bool convert_file(const FileJob& job, const ConversionSettings& settings,
                  Diagnostics& diagnostics) {
    if (const std::string refusal = destination_refusal(job.api, job.scm, settings.force);
        !refusal.empty()) {
        diagnostics.error(path_text(job.api), refusal);
        return false;
    }
    return FileConversion(job, settings, diagnostics).run(write_target(job.scm));
}

} // namespace trellwick::cli
