#include "cli/convert_file.h"

#include "cli/destination.h"
#include "cli/staged_file.h"
#include "cli/standard_streams.h"
#include "conversion/macro_types.h"
#include "conversion/renaming.h"
#include "conversion/scm_layout.h"
#include "conversion/steps.h"
#include "files/code_page_text.h"
#include "files/file_access.h"
#include "files/text_file.h"

#include <array>
#include <system_error>
#include <vector>

namespace trellwick::cli {
namespace {

namespace fs = std::filesystem;

// The API file's name in the code page, its extension ".api" in any case
// taken as ".api", from which the window would propose the name and bitmap.
std::optional<std::string> file_title(const fs::path& api) {
    fs::path name = api.filename();
    if (is_api_file(name))
        name.replace_extension(".api");
    return utf8_to_code_page(path_text(name));
}

// "user parameter 1 (%6)", or "user parameters 1 and 3 (%6 and %8)".
std::string parameters_named(const std::vector<std::size_t>& indexes) {
    std::string numbers, placeholders;
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        const char* joint = i == 0 ? "" : i + 1 == indexes.size() ? " and " : ", ";
        numbers += joint + std::to_string(indexes[i] + 1);
        placeholders += joint + ("%" + std::to_string(indexes[i] + 6));
    }
    return std::string(indexes.size() == 1 ? "user parameter " : "user parameters ") + numbers +
           " (" + placeholders + ")";
}

class FileConversion {
public:
    FileConversion(const Job& job, const ConversionSettings& settings)
        : job_(job), settings_(settings), survey_(settings.locale) {
        report_.label = job.label;
        report_.api = job.api == "-" ? "-" : path_text(job.api);
        report_.scm = path_text(job.scm);
    }

    MacroReport run();

private:
    void fail(std::string problem) { report_.errors.push_back(std::move(problem)); }
    std::unique_ptr<LineReader> open_macro();
    void take_survey();
    void take_texts();
    std::string write_scm_file(LineReader& api, LineWriter& scm);
    void write(LineReader& api);

    const Job& job_;
    const ConversionSettings& settings_;
    MacroSurvey survey_;
    ConversionForm form_;
    std::string size_line_; // in the code page
    MacroReport report_;
};

std::unique_ptr<LineReader> FileConversion::open_macro() {
    if (job_.api == "-") {
        CopiedInput input = copy_standard_input();
        if (!input.file) {
            fail(input.error);
            return nullptr;
        }
        auto reader = read_open_file(std::move(input.file), "standard input");
        rename_lines(*reader);
        return reader;
    }
    OpenedReader api = open_api_macro(job_.api);
    if (!api.reader)
        fail(api.error);
    return std::move(api.reader);
}

void FileConversion::take_survey() {
    const Extent extent = survey_.extent();
    report_.read = true;
    report_.lines = survey_.size().lines;
    for (int i = 0; i < 4; ++i)
        report_.user_parameters[static_cast<std::size_t>(i)] = survey_.usage().user_parameter(i);
    report_.size_form = extent.fell_back ? "10 by 10" : survey_.usage().sca ? "autoscale" : "fixed";
    if (extent.fell_back) {
        report_.fallback_reason = extent.problem;
        report_.warnings.push_back("the size of the object can't be measured (" + extent.problem +
                                   "); it is taken as 10 by 10 units");
    }
    MacroSurvey::SizeLine size_line =
        survey_.size_line(extent, report_.api == "-" ? "standard input" : report_.api);
    size_line_ = std::move(size_line.line);
    report_.size_line = code_page_to_utf8(size_line_);
    if (!size_line.error.empty())
        fail(size_line.error);
}

// The name and bitmap (given, or the window's proposals from the API file's
// name), the type and the descriptions of the user parameters used.
void FileConversion::take_texts() {
    const GivenTexts& given = job_.texts;
    const std::optional<std::string> title = job_.api == "-" ? std::nullopt : file_title(job_.api);
    const std::string shown =
        job_.api == "-" ? "standard input" : "\"" + path_text(job_.api.filename()) + "\"";
    form_.filetitle = title.value_or("");
    propose_name_and_bitmap(form_);
    const auto take = [&](const std::optional<std::string>& text, std::string& field,
                          std::string_view what, std::string_view option) {
        if (text)
            field = *text;
        else if (!title)
            fail("no " + std::string(what) + " can be proposed for " + shown + "; give " +
                 std::string(option));
        else if (field.empty())
            fail("no " + std::string(what) + " can be proposed from " + shown + "; give " +
                 std::string(option));
    };
    take(given.name, form_.txt_name, "macro name", "--name");
    take(given.bitmap, form_.txt_bmp, "bitmap name", "--bitmap");
    report_.name = code_page_to_utf8(form_.txt_name);
    report_.bitmap = code_page_to_utf8(form_.txt_bmp);
    if (given.type_index >= 0) {
        form_.opt_asd2t = given.type_index;
        form_.txt_typeother = given.type_other;
    }
    // The user parameters used without a description, and with an empty one.
    std::array<std::vector<std::size_t>, 2> lacking;
    for (std::size_t i = 0; i < form_.txt_up.size(); ++i) {
        const std::optional<std::string>& description = given.descriptions[i];
        form_.txt_up[i] = description.value_or("");
        if (report_.user_parameters[i] && (!description || description->empty()))
            lacking[description ? 1 : 0].push_back(i);
    }
    for (std::size_t empty = 0; empty < 2; ++empty)
        if (!lacking[empty].empty())
            fail(parameters_named(lacking[empty]) +
                 (lacking[empty].size() == 1 ? " is used but has " : " are used but have ") +
                 (empty ? "an empty description" : "no description"));
}

// The second reading, from the macro's first line again: the SCM file's
// lines, written with the same code as the window's last two steps; a macro
// that changed since the survey is refused. The writer is closed either way;
// the first problem is the one told.
std::string FileConversion::write_scm_file(LineReader& api, LineWriter& scm) {
    const auto written = [&]() -> std::string {
        if (!api.rewind())
            return read_error(api);
        const MacroTexts texts = macro_texts(form_);
        write_header(scm, texts, size_line_);
        const MacroSize size = write_parameters_and_body(survey_.usage(), texts, api, scm);
        if (api.failed())
            return read_error(api);
        if (size != survey_.size())
            return "Cannot finish " + display_path(scm.path()) + ": " + api.name() +
                   " changed while it was converted";
        return {};
    };
    const std::string error = written();
    const std::string close_error = scm.close();
    return error.empty() ? close_error : error;
}

void FileConversion::write(LineReader& api) {
    if (job_.scm == "-") {
        LineWriter scm(standard_output_stream(), "standard output");
        if (const std::string error = write_scm_file(api, scm); !error.empty())
            fail(error);
        return;
    }
    const fs::path target = write_target(job_.scm);
    std::error_code made;
    if (job_.make_folders && !fs::is_directory(target.parent_path(), made) &&
        !fs::create_directories(target.parent_path(), made)) {
        fail(file_error("create the folder", target.parent_path(), made.message()));
        return;
    }
    StagedFile::Created staged = StagedFile::create(target);
    if (!staged.file) {
        fail(staged.error);
        return;
    }
    LineWriter scm(staged.file->take_stream(), target);
    std::string error = write_scm_file(api, scm);
    // A destination that appeared while the file was converted is replaced
    // only with --force.
    if (error.empty())
        error = staged.file->put_in_place(settings_.force);
    if (!error.empty())
        fail(error);
}

MacroReport FileConversion::run() {
    if (!job_.refusal.empty()) {
        fail(job_.refusal);
        return report_;
    }
    if (job_.scm != "-")
        if (const std::string refusal = destination_refusal(job_.api, job_.scm, settings_.force);
            !refusal.empty())
            fail(refusal);
    const std::unique_ptr<LineReader> api = open_macro();
    if (!api)
        return report_;
    if (const std::string error = survey_.read(*api); !error.empty()) {
        fail(error);
        return report_;
    }
    take_survey();
    take_texts();
    if (report_.errors.empty() && !settings_.survey)
        write(*api);
    return report_;
}

} // namespace

MacroReport convert_file(const Job& job, const ConversionSettings& settings) {
    return FileConversion(job, settings).run();
}

} // namespace trellwick::cli
